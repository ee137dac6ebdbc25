#include "names.h"

#include "runtime/base/error.h"
#include "runtime/files/textfile.h"

#include <QStringList>

using runtime::Text;

bool names::find(const Text& fname, const Text& lname, Record& n) const
{
    bool found = false;
    for (const Record& record : records_) {
        const bool matches = fname.isEmpty() ? record->lastname() == lname
                           : lname.isEmpty() ? record->firstname() == fname
                                             : false;
        if (matches) {
            n = record;  // the last match wins
            found = true;
        }
    }
    return found;
}

bool names::loadfromfile(const Text& fname)
{
    try {
        runtime::InputFile file(fname);
        while (!file.atEnd()) {
            const QStringList pieces = runtime::split(file.readLine(), QStringLiteral(" "));
            if (pieces.size() < 2 || count() >= maxCount)
                return false;
            auto record = std::make_shared<onename>();
            record->setLastname(pieces[0]);
            record->setFirstname(pieces[1]);
            records_.add(std::move(record));
        }
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    isloaded_ = true;
    return true;
}

bool names::savetofile(const Text& fname)
{
    try {
        runtime::OutputFile file(fname);
        for (const Record& record : records_)
            file.writeLine(record->fileformat());
        file.close();
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    issaved_ = true;
    return true;
}

runtime::Short names::getnext(const Text& reset, Record& res)
{
    if (cursor_ == 0 || reset == QStringLiteral("reset"))
        cursor_ = 1;
    if (cursor_ > count())
        return 0;
    res = records_.item(cursor_);
    const runtime::Short delivered = cursor_;
    ++cursor_;
    return delivered;
}

void names::remove(runtime::Short index)
{
    if (index > count())
        return;
    records_.remove(index);
    issaved_ = false;
}

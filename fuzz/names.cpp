// SPDX-License-Identifier: LGPL-2.1-or-later
// The name list file: its records and their save and load.
//
// Property, for any bytes as the name list file:
//  - a load that succeeds holds one record per line of the file, and every name is in
//    proper case;
//  - whatever a load kept (all of the file, or the records before the line it stopped
//    at), saving it and loading the saved file into an empty list succeeds and gives the
//    same records in the same order: a save never loses or alters a name;
//  - a record's file line has exactly one space more than its two names.

#include "fuzzing.h"

#include "names.h"

namespace {

// The lines the file reader makes of the bytes: one per LF, and one for a last line
// without one.
int lineCount(QByteArrayView bytes)
{
    const int lineFeeds = int(bytes.count('\n'));
    return (!bytes.isEmpty() && !bytes.endsWith('\n')) ? lineFeeds + 1 : lineFeeds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzzing::bytesOf(data, size);
    names loaded;
    const bool complete = loaded.loadfromfile(fuzzing::memoryFileWith(bytes));
    fuzzing::require(complete == loaded.isloaded(), "the load reports what it did");
    if (complete)
        fuzzing::require(loaded.count() == lineCount(bytes), "a complete load holds one record per line");
    for (runtime::Short index = 1; index <= loaded.count(); ++index) {
        const onename& name = *loaded.item(index);
        fuzzing::require(name.lastname() == runtime::properCase(name.lastname())
                             && name.firstname() == runtime::properCase(name.firstname()),
                         "names are kept in proper case");
        fuzzing::require(!name.lastname().contains(u' ') && !name.firstname().contains(u' '), "a name read from a line holds no space");
        fuzzing::require(name.fileformat().size() == name.lastname().size() + 1 + name.firstname().size(),
                         "a file line is the last name, a space and the first name");
    }

    const runtime::Text saved = fuzzing::scratchFolder() + QStringLiteral("/names.dat");
    fuzzing::require(loaded.savetofile(saved), "whatever was loaded can be saved");
    names reloaded;
    fuzzing::require(reloaded.loadfromfile(saved), "a saved list loads");
    fuzzing::require(reloaded.count() == loaded.count(), "a saved list loads as many records");
    for (runtime::Short index = 1; index <= loaded.count(); ++index) {
        fuzzing::require(reloaded.item(index)->lastname() == loaded.item(index)->lastname()
                             && reloaded.item(index)->firstname() == loaded.item(index)->firstname(),
                         "a saved list loads the same names in the same order");
    }
    return 0;
}

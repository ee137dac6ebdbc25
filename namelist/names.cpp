// SPDX-License-Identifier: LGPL-2.1-or-later
#include "names.h"

#include "runtime/base/error.h"
#include "runtime/files/encoding.h"
#include "runtime/files/filesave.h"
#include "runtime/files/textfile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

using runtime::Text;

// Every record's file line without its line end (last name, a space, first name) in
// one buffer, found by the record's id. A record that is removed or given a new name
// leaves its old line where it is, for the Records that still stand for it.
struct names::Store {
    struct Line {
        qsizetype offset;
        std::uint32_t lastnameSize;
        std::uint32_t firstnameSize;
    };

    QByteArrayView line(RecordId id) const
    {
        const Line& at = lines[id];
        return QByteArrayView(bytes).sliced(at.offset, at.lastnameSize + 1 + at.firstnameSize);
    }
    QByteArrayView lastname(RecordId id) const { return line(id).first(lines[id].lastnameSize); }
    QByteArrayView firstname(RecordId id) const { return line(id).last(lines[id].firstnameSize); }

    // Makes records of the data file lines that lie in the buffer from `start` on, at
    // most `room` of them, the names of each line, in proper case, taking the place of
    // the line: a file is read into the buffer and kept there, with no copy of its own.
    // Stops before a line of fewer than two names; the buffer then ends with the last
    // record made. Whether every line made a record.
    bool addLines(qsizetype start, qsizetype room, std::vector<RecordId>& added)
    {
        reserveForLines(start, room, added);
        qsizetype end = start;  // where the next record goes
        bool complete = true;
        for (qsizetype next = start; next < bytes.size();) {
            FileLine line = fileLineAt(bytes, next);
            if (room-- == 0 || !addLine(line, end)) {
                complete = false;
                break;
            }
            added.push_back(static_cast<RecordId>(lines.size() - 1));
            next = line.next;
        }
        bytes.truncate(end);
        return complete;
    }

    // Gives a record new names, taken as they are.
    void rename(RecordId id, const QByteArray& lastname, const QByteArray& firstname)
    {
        const qsizetype offset = bytes.size();
        bytes.append(lastname).append(' ').append(firstname);
        lines[id] = lineOf(offset, lastname.size(), firstname.size());
    }

    QByteArray bytes;
    std::vector<Line> lines;

private:
    // A line of the data file in the buffer, without its line end, and where the next
    // one starts. A CR is part of the line end only before a LF, as the runtime reads.
    struct FileLine {
        qsizetype offset;
        qsizetype size;
        qsizetype next;
    };

    static FileLine fileLineAt(QByteArrayView contents, qsizetype start)
    {
        const auto* const lineFeed = static_cast<const char*>(std::memchr(contents.data() + start, '\n', contents.size() - start));
        if (!lineFeed)
            return {start, contents.size() - start, contents.size()};
        const qsizetype end = lineFeed - contents.data();
        const bool crlf = end > start && contents[end - 1] == '\r';
        return {start, end - start - (crlf ? 1 : 0), end + 1};
    }

    // Room for a record per line, so that the lists of records grow only once.
    void reserveForLines(qsizetype start, qsizetype room, std::vector<RecordId>& added)
    {
        qsizetype lineCount = 0;
        for (qsizetype next = start; next < bytes.size(); next = fileLineAt(bytes, next).next)
            ++lineCount;
        const auto records = static_cast<std::size_t>(std::min(lineCount, room));
        lines.reserve(lines.size() + records);
        added.reserve(added.size() + records);
    }

    // Makes a record of the names of `line` at `end`, which is at or before the line,
    // and moves `end` past them; false when the line holds fewer than two names. Names
    // are mostly ASCII, whose case changes byte by byte as they are moved into place;
    // any other goes through the runtime's own proper case, so that both agree on
    // every letter.
    bool addLine(FileLine& line, qsizetype& end)
    {
        char* const buffer = bytes.data();
        const QByteArrayView text(buffer + line.offset, line.size);
        if (!namebytes::isAscii(text))
            return addOtherLine(line, end);
        const namebytes::WrittenNames written = namebytes::writeAsciiNamesInProperCase(text, buffer + end);
        if (written.lastnameSize < 0)
            return false;
        lines.push_back(lineOf(end, written.lastnameSize, written.size - written.lastnameSize - 1));
        end += written.size;
        return true;
    }

    bool addOtherLine(FileLine& line, qsizetype& end)
    {
        const QByteArrayView text = QByteArrayView(bytes).sliced(line.offset, line.size);
        const qsizetype space = text.indexOf(' ');
        if (space == -1)
            return false;
        const QByteArrayView rest = text.sliced(space + 1);
        const QByteArray lastname = namebytes::inProperCase(text.first(space));
        const QByteArray firstname = namebytes::inProperCase(rest.first(rest.contains(' ') ? rest.indexOf(' ') : rest.size()));
        // A case change may lengthen a name beyond the room its line leaves: the lines
        // after it then move along.
        const qsizetype size = lastname.size() + 1 + firstname.size();
        if (const qsizetype lacking = end + size - line.next; lacking > 0) {
            bytes.insert(line.next, lacking, '\0');
            line.next += lacking;
        }
        char* const out = bytes.data() + end;
        std::memcpy(out, lastname.constData(), lastname.size());
        out[lastname.size()] = ' ';
        std::memcpy(out + lastname.size() + 1, firstname.constData(), firstname.size());
        lines.push_back(lineOf(end, lastname.size(), firstname.size()));
        end += size;
        return true;
    }

    static Line lineOf(qsizetype offset, qsizetype lastnameSize, qsizetype firstnameSize)
    {
        constexpr qsizetype largestName = std::numeric_limits<std::uint32_t>::max();
        if (lastnameSize > largestName || firstnameSize > largestName)
            throw runtime::RuntimeError(runtime::RuntimeError::OutOfMemory, QStringLiteral("Out of memory"));
        return {offset, static_cast<std::uint32_t>(lastnameSize), static_cast<std::uint32_t>(firstnameSize)};
    }
};

namespace {

// Appends the whole data file to `contents`; false when it cannot be read.
bool appendDataFile(const Text& path, QByteArray& contents)
{
    try {
        QByteArray bytes = runtime::InputFile(path).readAllBytes();
        if (contents.isEmpty())
            contents = std::move(bytes);
        else
            contents.append(bytes);
        return true;
    } catch (const runtime::RuntimeError&) {
        return false;
    }
}

bool sameBytes(QByteArrayView one, QByteArrayView other)
{
    return one.size() == other.size() && std::equal(one.begin(), one.end(), other.begin());
}

[[noreturn]] void raiseSubscriptOutOfRange()
{
    throw runtime::RuntimeError(runtime::RuntimeError::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

}  // namespace

names::Record names::item(runtime::Short index) const
{
    if (index < 1 || index > count())
        raiseSubscriptOutOfRange();
    return recordAt(index - 1);
}

names::Record names::recordAt(std::size_t offset) const
{
    return Record(store_.get(), order_[offset]);
}

bool names::find(const Text& fname, const Text& lname, Record& n) const
{
    // One name is looked for, the first when it is given, else the last; with both
    // given no record matches.
    if (!fname.isEmpty() && !lname.isEmpty())
        return false;
    const bool byLastname = fname.isEmpty();
    const std::optional<QByteArray> wanted = namebytes::bytesOf(byLastname ? lname : fname);
    if (!wanted)
        return false;  // no name read from a file is that text
    bool found = false;
    for (const RecordId id : order_) {
        if (sameBytes(byLastname ? store_->lastname(id) : store_->firstname(id), *wanted)) {
            n = Record(store_.get(), id);  // the last match wins
            found = true;
        }
    }
    return found;
}

bool names::loadfromfile(const Text& fname)
{
    if (!store_)
        store_ = std::make_shared<Store>();
    const qsizetype start = store_->bytes.size();
    if (!appendDataFile(fname, store_->bytes))
        return false;
    if (!store_->addLines(start, maxCount - count(), order_))
        return false;
    isloaded_ = true;
    return true;
}

bool names::savetofile(const Text& fname)
{
    static constexpr QByteArrayView lineEnd("\r\n");
    qsizetype size = 0;
    for (const RecordId id : order_)
        size += store_->line(id).size() + lineEnd.size();
    QByteArray contents(size, Qt::Uninitialized);
    char* out = contents.data();
    for (const RecordId id : order_) {
        const QByteArrayView line = store_->line(id);
        out = std::copy(lineEnd.begin(), lineEnd.end(), std::copy(line.begin(), line.end(), out));
    }
    if (runtime::saveFile(fname, contents))
        return false;
    issaved_ = true;
    return true;
}

runtime::Short names::getnext(const Text& reset, Record& res)
{
    if (cursor_ == 0 || reset == QStringLiteral("reset"))
        cursor_ = 1;
    if (cursor_ > count())
        return 0;
    res = recordAt(cursor_ - 1);
    const runtime::Short delivered = cursor_;
    ++cursor_;
    return delivered;
}

void names::remove(runtime::Short index)
{
    if (index > count())
        return;
    if (index < 1)
        raiseSubscriptOutOfRange();
    order_.erase(order_.begin() + (index - 1));
    issaved_ = false;
}

const onename names::Record::operator*() const
{
    return onename(lastname(), firstname());
}

Text names::Record::lastname() const
{
    return runtime::decodeText(store_->lastname(id_));
}

Text names::Record::firstname() const
{
    return runtime::decodeText(store_->firstname(id_));
}

void names::Record::setLastname(const Text& vData) const
{
    store_->rename(id_, runtime::encodeText(runtime::properCase(vData)), store_->firstname(id_).toByteArray());
}

void names::Record::setFirstname(const Text& vData) const
{
    store_->rename(id_, store_->lastname(id_).toByteArray(), runtime::encodeText(runtime::properCase(vData)));
}

bool names::Record::lastnameMatches(const namebytes::NameIgnoringCase& name) const
{
    return name.matches(store_->lastname(id_));
}

bool names::Record::firstnameMatches(const namebytes::NameIgnoringCase& name) const
{
    return name.matches(store_->firstname(id_));
}

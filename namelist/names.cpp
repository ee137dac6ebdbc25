#include "names.h"

#include "runtime/base/error.h"
#include "runtime/files/descriptor.h"
#include "runtime/files/encoding.h"
#include "runtime/files/filesave.h"
#include "runtime/files/textfile.h"

#include <algorithm>
#include <cstring>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

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

    // A new record of the names of a file line, put in proper case; none when the line
    // holds fewer than two names. Names are mostly ASCII, whose case changes byte by
    // byte as they are copied; any other goes through the runtime's own proper case,
    // so that both agree on every letter.
    std::optional<RecordId> addFromFile(QByteArrayView line)
    {
        const qsizetype offset = bytes.size();
        bytes.resize(offset + line.size());
        const namebytes::WrittenNames written = namebytes::writeNamesInProperCase(line, bytes.data() + offset);
        if (written.lastnameSize < 0 || !written.ascii) {
            bytes.truncate(offset);
            if (written.lastnameSize < 0)
                return std::nullopt;
            const QByteArrayView names = line.first(written.size);
            return add(namebytes::inProperCase(names.first(written.lastnameSize)),
                       namebytes::inProperCase(names.sliced(written.lastnameSize + 1)));
        }
        bytes.truncate(offset + written.size);
        lines.push_back(lineOf(offset, written.lastnameSize));
        return static_cast<RecordId>(lines.size() - 1);
    }

    // A new record of names taken as they are.
    RecordId add(const QByteArray& lastname, const QByteArray& firstname)
    {
        lines.push_back(append(lastname, firstname));
        return static_cast<RecordId>(lines.size() - 1);
    }

    // Gives a record new names, taken as they are.
    void rename(RecordId id, const QByteArray& lastname, const QByteArray& firstname) { lines[id] = append(lastname, firstname); }

    QByteArray bytes;
    std::vector<Line> lines;

private:
    Line append(const QByteArray& lastname, const QByteArray& firstname)
    {
        const qsizetype offset = bytes.size();
        bytes.append(lastname).append(' ').append(firstname);
        return lineOf(offset, lastname.size());
    }

    // The line that starts at `offset` and runs to the end of the buffer.
    Line lineOf(qsizetype offset, qsizetype lastnameSize) const
    {
        const qsizetype firstnameSize = bytes.size() - offset - lastnameSize - 1;
        constexpr qsizetype largestName = std::numeric_limits<std::uint32_t>::max();
        if (lastnameSize > largestName || firstnameSize > largestName)
            throw runtime::RuntimeError(runtime::RuntimeError::OutOfMemory, QStringLiteral("Out of memory"));
        return {offset, static_cast<std::uint32_t>(lastnameSize), static_cast<std::uint32_t>(firstnameSize)};
    }
};

namespace {

// The whole data file, or none when it cannot be read. It is read as runtime::InputFile
// reads a file, which hands out lines only as texts: an ordinary file only, refused at
// once when it is anything else (a pipe would block), and no larger than its limit.
std::optional<QByteArray> readDataFile(const Text& path)
{
    constexpr qint64 largestFile = runtime::InputFile::largestFile;
    const runtime::Descriptor file(::open(runtime::encodeText(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > largestFile)
        return std::nullopt;
    // The size is a hint: the file may grow or shrink while it is read.
    QByteArray contents(status.st_size + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == contents.size())
            contents.resize(std::min<qint64>(2 * contents.size(), largestFile + 1));
        const ssize_t got = ::read(file.get(), contents.data() + filled, contents.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
        if (filled > largestFile)
            return std::nullopt;
    }
    contents.truncate(filled);
    return contents;
}

// The line of `contents` that starts at `start` without its line end, and where the
// next one starts. A CR is part of the line end only before a LF, as the runtime reads.
struct Line {
    QByteArrayView text;
    qsizetype next;
};

Line lineAt(QByteArrayView contents, qsizetype start)
{
    const auto* const lineFeed = static_cast<const char*>(std::memchr(contents.data() + start, '\n', contents.size() - start));
    if (!lineFeed)
        return {contents.sliced(start), contents.size()};
    const qsizetype end = lineFeed - contents.data();
    const bool crlf = end > start && contents[end - 1] == '\r';
    return {contents.sliced(start, end - start - (crlf ? 1 : 0)), end + 1};
}

// How many lines the file reader makes of `contents`: one per LF, and one for a last
// line without one.
qsizetype lineCount(QByteArrayView contents)
{
    qsizetype lines = 0;
    for (qsizetype start = 0; start < contents.size(); start = lineAt(contents, start).next)
        ++lines;
    return lines;
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
    const std::optional<QByteArray> contents = readDataFile(fname);
    if (!contents)
        return false;
    if (!store_)
        store_ = std::make_shared<Store>();
    if (!addRecords(*contents))
        return false;
    isloaded_ = true;
    return true;
}

bool names::addRecords(QByteArrayView contents)
{
    // Case changes keep most names their size, so the file's size is room enough.
    store_->bytes.reserve(store_->bytes.size() + contents.size());
    const std::size_t records = std::min<qsizetype>(lineCount(contents), maxCount - count());
    store_->lines.reserve(store_->lines.size() + records);
    order_.reserve(order_.size() + records);
    for (qsizetype start = 0; start < contents.size();) {
        const Line line = lineAt(contents, start);
        if (count() >= maxCount)
            return false;
        const std::optional<RecordId> record = store_->addFromFile(line.text);
        if (!record)
            return false;  // a line of fewer than two names
        order_.push_back(*record);
        start = line.next;
    }
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

// A name given here is kept as the bytes a save writes of it.
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

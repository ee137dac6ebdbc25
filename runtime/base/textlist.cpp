// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/textlist.h"

#include "runtime/base/error.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace runtime {
namespace {

// Before each text: its length in characters, shifted left by one, and in the lowest
// bit whether it takes two bytes a character.
using Header = std::uint32_t;

Header readHeader(const char* at)
{
    Header header;
    std::memcpy(&header, at, sizeof header);
    return header;
}

bool fitsOneByte(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar character) { return character.unicode() <= 0xff; });
}

qsizetype storedSize(Header header)
{
    const qsizetype length = header >> 1;
    return sizeof(Header) + ((header & 1) ? 2 * length : length);
}

}  // namespace

Text TextList::leading(qsizetype index, qsizetype length) const
{
    const char* at = buffer_.constData() + entries_[index].offset;
    const Header header = readHeader(at);
    const qsizetype whole = header >> 1;
    const qsizetype count = length < 0 ? whole : std::min(length, whole);
    const char* characters = at + sizeof(Header);
    if (!(header & 1))
        return QString::fromLatin1(characters, count);
    QString text(count, Qt::Uninitialized);
    std::memcpy(text.data(), characters, 2 * count);
    return text;
}

void TextList::insert(qsizetype index, QStringView text, std::int32_t number)
{
    const bool oneByte = fitsOneByte(text);
    char* characters = place(index, text.size(), !oneByte, number);
    if (oneByte)
        std::transform(text.begin(), text.end(), characters, [](QChar character) { return static_cast<char>(character.unicode()); });
    else
        std::memcpy(characters, text.data(), 2 * text.size());
}

void TextList::append(QLatin1StringView text, std::int32_t number)
{
    std::memcpy(place(size(), text.size(), false, number), text.data(), text.size());
}

char* TextList::place(qsizetype index, qsizetype length, bool wide, std::int32_t number)
{
    const Header header = static_cast<Header>(length << 1) | (wide ? 1 : 0);
    const qsizetype offset = buffer_.size();
    if (offset + storedSize(header) > std::numeric_limits<std::uint32_t>::max())
        throw RuntimeError(RuntimeError::OutOfMemory, QStringLiteral("Out of memory"));
    buffer_.resize(offset + storedSize(header));
    char* at = buffer_.data() + offset;
    std::memcpy(at, &header, sizeof header);
    entries_.insert(entries_.begin() + index, Entry{static_cast<std::uint32_t>(offset), number});
    return at + sizeof header;
}

void TextList::removeAt(qsizetype index)
{
    gaps_ += storedSize(readHeader(buffer_.constData() + entries_[index].offset));
    entries_.erase(entries_.begin() + index);
    if (gaps_ > buffer_.size() / 2)
        closeGaps();
}

void TextList::clear()
{
    entries_ = {};
    buffer_ = {};
    gaps_ = 0;
}

void TextList::reserve(qsizetype count, qsizetype characters)
{
    entries_.reserve(entries_.size() + count);
    buffer_.reserve(buffer_.size() + count * qsizetype(sizeof(Header)) + characters);
}

void TextList::closeGaps()
{
    QByteArray closed;
    closed.reserve(buffer_.size() - gaps_);
    for (Entry& entry : entries_) {
        const char* at = buffer_.constData() + entry.offset;
        entry.offset = static_cast<std::uint32_t>(closed.size());
        closed.append(at, storedSize(readHeader(at)));
    }
    buffer_ = std::move(closed);
    gaps_ = 0;
}

}  // namespace runtime

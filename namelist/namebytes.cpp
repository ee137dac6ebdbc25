// SPDX-License-Identifier: LGPL-2.1-or-later
#include "namebytes.h"

#include "runtime/files/encoding.h"

#include <QChar>

#include <array>
#include <cstdint>

#include <cstring>

using runtime::Text;

namespace namebytes {
namespace {

// What proper case makes of each ASCII byte, inside a word ([0]) and at its start
// ([1]): the byte in the low half, and in the high half 1 when it ends a word, so that
// the next byte starts one. The characters that end a word are those of
// runtime::properCase.
using ProperCaseSteps = std::array<std::array<std::uint16_t, 256>, 2>;

constexpr ProperCaseSteps properCaseSteps()
{
    ProperCaseSteps steps{};
    for (int byte = 0; byte < 256; ++byte) {
        const bool lower = byte >= 'a' && byte <= 'z';
        const bool upper = byte >= 'A' && byte <= 'Z';
        steps[0][byte] = static_cast<std::uint16_t>(upper ? byte - 'A' + 'a' : byte);
        steps[1][byte] = static_cast<std::uint16_t>(lower ? byte - 'a' + 'A' : byte);
    }
    for (const char separator : {' ', '\t', '\n', '\v', '\f', '\r', '\0'}) {
        const auto byte = static_cast<unsigned char>(separator);
        steps[0][byte] |= 0x100;
        steps[1][byte] |= 0x100;
    }
    return steps;
}

constexpr ProperCaseSteps asciiProperCase = properCaseSteps();

char asciiLower(char byte)
{
    return static_cast<char>(asciiProperCase[0][static_cast<unsigned char>(byte)]);
}

// Writes the character at `at` in lower case to `out`, which has room for four bytes:
// how many bytes it read and wrote. A byte that stands for itself stays as it is.
struct LowerCase {
    int read;
    int written;
};

LowerCase writeLowerCase(QByteArrayView bytes, qsizetype at, char* out)
{
    const runtime::Utf8Character character = runtime::utf8CharacterAt(bytes, at);
    if (character.length == 0) {
        out[0] = bytes[at];
        return {1, 1};
    }
    return {character.length, runtime::writeUtf8(QChar::toLower(character.codePoint), out)};
}

// Eight ASCII bytes at once, for the runs inside words that make up most of a name.
using Bytes8 = std::uint64_t;

constexpr Bytes8 eachByte(unsigned char byte)
{
    return Bytes8{0x0101010101010101} * byte;
}

// Whether one of the bytes, all ASCII, is below '!': the characters that end a word
// are, and the few others there take the byte by byte way.
bool mayEndAWord(Bytes8 bytes)
{
    return ((bytes - eachByte('!')) & ~bytes & eachByte(0x80)) != 0;
}

// The bytes, all ASCII, with A to Z in lower case: adding to each byte sets its high
// bit from 'A' on, and again from past 'Z' on, without a carry into the next byte.
Bytes8 inLowerCase(Bytes8 bytes)
{
    const Bytes8 upper = (bytes + eachByte(0x80 - 'A')) & ~(bytes + eachByte(0x80 - 'Z' - 1)) & eachByte(0x80);
    return bytes | (upper >> 2);
}

}  // namespace

bool isAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: every line of a file is checked.
    constexpr std::uint64_t highBits = 0x8080808080808080;
    std::uint64_t allBytes = 0;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        allBytes |= word;
    }
    for (; at < bytes.size(); ++at)
        allBytes |= static_cast<unsigned char>(bytes[at]);
    return (allBytes & highBits) == 0;
}

WrittenNames writeAsciiNamesInProperCase(QByteArrayView line, char* out)
{
    // Kept in locals, which the bytes written through `out` cannot alias, so that the
    // loop keeps them in registers.
    const char* const in = line.data();
    const qsizetype length = line.size();
    qsizetype size = 0;
    qsizetype lastnameSize = -1;
    std::size_t atWordStart = 1;
    while (size < length) {
        if (!atWordStart && size + qsizetype(sizeof(Bytes8)) <= length) {
            Bytes8 bytes;
            std::memcpy(&bytes, in + size, sizeof bytes);
            if (!mayEndAWord(bytes)) {
                bytes = inLowerCase(bytes);
                std::memcpy(out + size, &bytes, sizeof bytes);
                size += sizeof bytes;
                continue;
            }
        }
        const char byte = in[size];
        if (byte == ' ') {
            if (lastnameSize >= 0)
                break;  // a third name and any after it are not kept
            lastnameSize = size;
        }
        const std::uint16_t step = asciiProperCase[atWordStart][static_cast<unsigned char>(byte)];
        out[size++] = static_cast<char>(step);
        atWordStart = step >> 8;
    }
    return {lastnameSize, size};
}

QByteArray inProperCase(QByteArrayView name)
{
    return runtime::encodeText(runtime::properCase(runtime::decodeText(name)));
}

std::optional<QByteArray> bytesOf(const Text& name)
{
    QByteArray bytes = runtime::encodeText(name);
    if (runtime::decodeText(bytes) != name)
        return std::nullopt;
    return bytes;
}

// A name read from a file stays a text a file holds once in lower case, so a wanted
// name that no file holds matches none.
NameIgnoringCase::NameIgnoringCase(const Text& name) : lowered_(bytesOf(runtime::lowerCase(name))) {}

bool NameIgnoringCase::matches(QByteArrayView name) const
{
    if (!lowered_)
        return false;
    const QByteArrayView wanted(*lowered_);
    qsizetype compared = 0;
    for (qsizetype at = 0; at < name.size();) {
        const char byte = name[at];
        if (static_cast<unsigned char>(byte) < 0x80) {
            if (compared == wanted.size() || wanted[compared] != asciiLower(byte))
                return false;
            ++compared;
            ++at;
            continue;
        }
        char lowered[4];
        const LowerCase step = writeLowerCase(name, at, lowered);
        if (wanted.size() - compared < step.written || std::memcmp(wanted.data() + compared, lowered, step.written) != 0)
            return false;
        compared += step.written;
        at += step.read;
    }
    return compared == wanted.size();
}

}  // namespace namebytes

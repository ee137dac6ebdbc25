#include "namebytes.h"

#include "runtime/files/encoding.h"

#include <QChar>

#include <array>

#include <cstring>

using runtime::Text;

namespace namebytes {
namespace {

// What proper case makes of each ASCII byte: at the start of a word, and inside one.
// The characters that end a word are those of runtime::properCase.
struct ProperCase {
    std::array<char, 256> atWordStart{};
    std::array<char, 256> insideWord{};
    std::array<bool, 256> separatesWords{};
};

constexpr ProperCase properCaseTable()
{
    ProperCase table;
    for (int byte = 0; byte < 256; ++byte) {
        const bool lower = byte >= 'a' && byte <= 'z';
        const bool upper = byte >= 'A' && byte <= 'Z';
        table.atWordStart[byte] = static_cast<char>(lower ? byte - 'a' + 'A' : byte);
        table.insideWord[byte] = static_cast<char>(upper ? byte - 'A' + 'a' : byte);
    }
    for (const char separator : {' ', '\t', '\n', '\v', '\f', '\r', '\0'})
        table.separatesWords[static_cast<unsigned char>(separator)] = true;
    return table;
}

constexpr ProperCase asciiProperCase = properCaseTable();

char asciiLower(char byte)
{
    return asciiProperCase.insideWord[static_cast<unsigned char>(byte)];
}

// The character whose UTF-8 starts at `at`, and how many bytes it takes; a length of 0
// when the bytes there are not well-formed UTF-8, so that the byte stands for itself.
// The rules are the runtime's reading of a file: no overlong forms, no surrogates,
// nothing above U+10FFFF.
struct Character {
    char32_t codePoint = 0;
    int length = 0;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

Character characterAt(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype offset) { return static_cast<unsigned char>(bytes[at + offset]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    Character character;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0)
        character = {static_cast<char32_t>(lead & 0x1F), 2}, smallest = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        character = {static_cast<char32_t>(lead & 0x0F), 3}, smallest = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        character = {static_cast<char32_t>(lead & 0x07), 4}, smallest = 0x10000;
    else
        return {};
    if (at + character.length > bytes.size())
        return {};
    for (int offset = 1; offset < character.length; ++offset) {
        if (!isContinuation(byte(offset)))
            return {};
        character.codePoint = (character.codePoint << 6) | (byte(offset) & 0x3F);
    }
    const bool surrogate = character.codePoint >= 0xD800 && character.codePoint <= 0xDFFF;
    if (character.codePoint < smallest || character.codePoint > 0x10FFFF || surrogate)
        return {};
    return character;
}

// Writes the UTF-8 of `codePoint` to `out`, which has room for four bytes; its length.
int writeUtf8(char32_t codePoint, char* out)
{
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

}  // namespace

WrittenNames writeNamesInProperCase(QByteArrayView line, char* out)
{
    WrittenNames written;
    unsigned char allBytes = 0;
    bool atWordStart = true;
    for (const char byte : line) {
        if (byte == ' ') {
            if (written.lastnameSize >= 0)
                break;  // a third name and any after it are not kept
            written.lastnameSize = written.size;
        }
        const auto index = static_cast<unsigned char>(byte);
        allBytes |= index;
        out[written.size++] = atWordStart ? asciiProperCase.atWordStart[index] : asciiProperCase.insideWord[index];
        atWordStart = asciiProperCase.separatesWords[index];
    }
    written.ascii = allBytes < 0x80;
    return written;
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
        const Character character = characterAt(name, at);
        char lowered[4];
        const int loweredLength = character.length == 0 ? (lowered[0] = byte, 1) : writeUtf8(QChar::toLower(character.codePoint), lowered);
        if (wanted.size() - compared < loweredLength || std::memcmp(wanted.data() + compared, lowered, loweredLength) != 0)
            return false;
        compared += loweredLength;
        at += character.length == 0 ? 1 : character.length;
    }
    return compared == wanted.size();
}

}  // namespace namebytes

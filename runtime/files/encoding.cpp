#include "runtime/files/encoding.h"

namespace runtime {
namespace {

constexpr char16_t escapeBase = 0xDC00;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The code point of the well-formed UTF-8 sequence at `at`, and its length; length 0
// when the bytes there are not one.
struct Decoded {
    char32_t codePoint = 0;
    int length = 0;
};

Decoded decodeOne(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype offset) { return static_cast<unsigned char>(bytes[at + offset]); };
    const unsigned char lead = byte(0);
    int length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (at + length > bytes.size())
        return {};
    for (int offset = 1; offset < length; ++offset) {
        if (!isContinuation(byte(offset)))
            return {};
        codePoint = (codePoint << 6) | (byte(offset) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate)
        return {};
    return {codePoint, length};
}

}  // namespace

Text decodeText(QByteArrayView bytes)
{
    Text text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const Decoded decoded = decodeOne(bytes, at);
        if (decoded.length == 0) {
            text.append(QChar(static_cast<char16_t>(escapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        if (decoded.codePoint > 0xFFFF) {
            const char32_t value = decoded.codePoint - 0x10000;
            text.append(QChar(static_cast<char16_t>(0xD800 + (value >> 10))));
            text.append(QChar(static_cast<char16_t>(0xDC00 + (value & 0x3FF))));
        } else {
            text.append(QChar(static_cast<char16_t>(decoded.codePoint)));
        }
        at += decoded.length;
    }
    return text;
}

QByteArray encodeText(const Text& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const auto append = [&](char32_t codePoint) {
        if (codePoint < 0x80) {
            bytes.append(static_cast<char>(codePoint));
        } else if (codePoint < 0x800) {
            bytes.append(static_cast<char>(0xC0 | (codePoint >> 6)));
            bytes.append(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            bytes.append(static_cast<char>(0xE0 | (codePoint >> 12)));
            bytes.append(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else {
            bytes.append(static_cast<char>(0xF0 | (codePoint >> 18)));
            bytes.append(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | (codePoint & 0x3F)));
        }
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        if (highSurrogate && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            append(QChar::surrogateToUcs4(unit, text[at + 1].unicode()));
            ++at;
        } else if (unit >= escapeBase + 0x80 && unit <= escapeBase + 0xFF) {
            bytes.append(static_cast<char>(unit - escapeBase));
        } else {
            append(unit);
        }
    }
    return bytes;
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/encoding.h"

namespace runtime {
namespace {

constexpr char16_t escapeBase = 0xDC00;

}  // namespace

Text decodeText(QByteArrayView bytes)
{
    Text text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const Utf8Character decoded = utf8CharacterAt(bytes, at);
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
        char utf8[4];
        bytes.append(utf8, writeUtf8(codePoint, utf8));
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

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// The text files' encoding: UTF-8 that keeps every byte of a file in another encoding.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QByteArray>

namespace runtime {

/// Text files are UTF-8. A byte that is not part of valid UTF-8 is kept as the lone
/// surrogate U+DC00 + byte, so a file in another encoding loads without any byte being
/// replaced and is written back exactly as it was read.
RUNTIME_EXPORT Text decodeText(QByteArrayView bytes);
/// The UTF-8 bytes of `text`; a lone surrogate U+DC80 to U+DCFF, which decodeText() makes
/// of a byte that is not UTF-8, becomes that byte again.
RUNTIME_EXPORT QByteArray encodeText(const Text& text);

// The steps of both, for code that reads or writes UTF-8 bytes without making a text of
// them (the name list compares names as the bytes the file holds). Written here, inline,
// so that such code runs them as fast as its own.

/// One character of UTF-8 as a file is read: its code point and how many bytes it takes.
/// Its length is 0 where the bytes at `at` are not well-formed UTF-8 (an overlong form, a
/// surrogate, more than U+10FFFF, a sequence cut short), so that the byte stands for itself.
struct Utf8Character {
    char32_t codePoint = 0;  ///< The character's code point; 0 when its length is 0.
    int length = 0;          ///< How many bytes it takes, 1 to 4; 0 for no character.
};

/// The character of UTF-8 that starts at byte `at` of `bytes`, which holds at least one
/// byte from there: decodeText()'s step.
inline Utf8Character utf8CharacterAt(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype offset) { return static_cast<unsigned char>(bytes[at + offset]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    Utf8Character character;
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
        if ((byte(offset) & 0xC0) != 0x80)
            return {};
        character.codePoint = (character.codePoint << 6) | (byte(offset) & 0x3F);
    }
    const bool surrogate = character.codePoint >= 0xD800 && character.codePoint <= 0xDFFF;
    if (character.codePoint < smallest || character.codePoint > 0x10FFFF || surrogate)
        return {};
    return character;
}

/// Writes the UTF-8 of `codePoint` to `out`, which has room for four bytes; returns how
/// many it wrote: encodeText()'s step.
inline int writeUtf8(char32_t codePoint, char* out)
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

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <QByteArray>

#include <optional>

// Names as the data file holds them: UTF-8, in which a byte that is not part of valid
// UTF-8 stands for itself (the runtime reads it as the lone surrogate U+DC00 + byte and
// writes it back as that byte). The list keeps its names in this form, so that they are
// saved byte for byte as they were read and compared without being made into texts.
namespace namebytes {

// Whether every byte is ASCII, so that each stands for a character of its own.
bool isAscii(QByteArrayView bytes);

// The names of a data file line, the pieces before its first space and between that
// and the next or the end, as writeAsciiNamesInProperCase writes them: the last name,
// a space, the first name.
struct WrittenNames {
    qsizetype lastnameSize = -1;  // -1 when the line has no space, so no first name
    qsizetype size = 0;
};

// Writes the names of the ASCII `line` in proper case to `out`, in one pass, changing
// the case of each byte by itself. `out` may lie at or before the line in the same
// buffer: no byte is written over before it is read.
WrittenNames writeAsciiNamesInProperCase(QByteArrayView line, char* out);
// `name` in proper case: the bytes of runtime::properCase of the text it holds.
QByteArray inProperCase(QByteArrayView name);

// The bytes that hold `name`; none for a text no file holds, one with a lone surrogate
// that stands for no byte.
std::optional<QByteArray> bytesOf(const runtime::Text& name);

// A name looked for whatever its case: a name matches when it is the same text as this
// one once both are in lower case, as runtime::lowerCase puts them.
class NameIgnoringCase {
public:
    explicit NameIgnoringCase(const runtime::Text& name);

    // Compares one character at a time, without making a lower-case copy of `name`.
    bool matches(QByteArrayView name) const;

private:
    std::optional<QByteArray> lowered_;
};

}  // namespace namebytes

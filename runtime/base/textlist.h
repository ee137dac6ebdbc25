// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// TextList: a compact list of texts, each with a number.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace runtime {

/// A list of texts, numbered from 0, each carrying one 32-bit number, kept compactly:
/// every text lies in one buffer behind a four-byte length, and an entry costs eight
/// bytes more. A text whose characters all fit in one byte takes one byte a character,
/// any other two. So a file of a million short lines costs about its own size to keep,
/// where a string object per line would cost several times that.
///
/// A removed text leaves a gap in the buffer; the gaps are closed once they take more
/// than half of it.
///
/// An index is from 0 to size() - 1 (size() for insert()), as the caller checks. A text
/// that would take the buffer past 4 GiB raises OutOfMemory and leaves the list as it was.
class RUNTIME_EXPORT TextList {
public:
    /// How many texts the list holds.
    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    /// True when the list holds no text.
    bool isEmpty() const { return entries_.empty(); }

    /// The text at `index`, whole.
    Text at(qsizetype index) const { return leading(index, -1); }
    /// The first `length` characters of the text (all of them when `length` is -1).
    Text leading(qsizetype index, qsizetype length) const;
    /// The number the text at `index` carries.
    std::int32_t number(qsizetype index) const { return entries_[index].number; }
    /// Gives the text at `index` another number.
    void setNumber(qsizetype index, std::int32_t number) { entries_[index].number = number; }

    /// Adds `text`, carrying `number`, after the last text.
    void append(QStringView text, std::int32_t number = 0) { insert(size(), text, number); }
    /// A text in Latin-1 (ASCII, say), taken as it is, without a copy in two-byte characters.
    void append(QLatin1StringView text, std::int32_t number = 0);
    /// Puts `text`, carrying `number`, at `index`; the texts from there on move up one.
    void insert(qsizetype index, QStringView text, std::int32_t number = 0);
    /// Takes the text at `index` out; the texts after it move down one.
    void removeAt(qsizetype index);
    /// Takes every text out and gives back the memory they took.
    void clear();

    /// Room for `count` more texts of `characters` characters in all, so that a list whose
    /// size is known grows without copying.
    void reserve(qsizetype count, qsizetype characters);

private:
    struct Entry {
        std::uint32_t offset;
        std::int32_t number;
    };

    // Room at the end of the buffer for a new entry at `index` of `length` characters;
    // the place where its characters go.
    char* place(qsizetype index, qsizetype length, bool wide, std::int32_t number);
    void closeGaps();

    std::vector<Entry> entries_;
    QByteArray buffer_;
    qsizetype gaps_ = 0;
};

}  // namespace runtime

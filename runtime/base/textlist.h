#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace runtime {

// A list of texts, numbered from 0, each carrying one 32-bit number, kept compactly:
// every text lies in one buffer behind a four-byte length, and an entry costs eight
// bytes more. A text whose characters all fit in one byte takes one byte a character,
// any other two. So a file of a million short lines costs about its own size to keep,
// where a string object per line would cost several times that.
//
// A removed text leaves a gap in the buffer; the gaps are closed once they take more
// than half of it.
class RUNTIME_EXPORT TextList {
public:
    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    Text at(qsizetype index) const { return leading(index, -1); }
    // The first `length` characters of the text (all of them when `length` is -1).
    Text leading(qsizetype index, qsizetype length) const;
    std::int32_t number(qsizetype index) const { return entries_[index].number; }
    void setNumber(qsizetype index, std::int32_t number) { entries_[index].number = number; }

    void append(QStringView text, std::int32_t number = 0) { insert(size(), text, number); }
    // A text in Latin-1 (ASCII, say), taken as it is, without a copy in two-byte characters.
    void append(QLatin1StringView text, std::int32_t number = 0);
    void insert(qsizetype index, QStringView text, std::int32_t number = 0);
    void removeAt(qsizetype index);
    void clear();

    // Room for `count` more texts of `characters` characters in all, so that a list whose
    // size is known grows without copying.
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

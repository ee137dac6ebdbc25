// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "namebytes.h"
#include "onename.h"

#include "runtime/base/integers.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The ordered list of names, positions numbered from 1, with its data file.
//
// loadfromfile appends (it never empties the list first), savetofile writes every record,
// getnext walks the list with a read cursor, find searches exactly by first or last
// name, remove takes a record out. The two flags tell whether a load has completed and
// whether the list is saved. A failure is a false result, never an exception.
//
// Positions and counts are 16-bit: the list holds at most maxCount records. A load that
// reaches the limit stops there and reports false; the records before it stay.
//
// The records lie together in one buffer, as the bytes of their file lines, so that a
// list of thousands of names costs little more than its file and is read, searched and
// written without a string object per name. A copy of the list shares its records, as
// a copy of a list of record objects would.
class names {
    struct Store;

public:
    class Record;
    static constexpr int maxCount = 32766;

    Record item(runtime::Short index) const;
    bool find(const runtime::Text& fname, const runtime::Text& lname, Record& n) const;
    bool loadfromfile(const runtime::Text& fname);
    bool savetofile(const runtime::Text& fname);
    bool isloaded() const { return isloaded_; }
    bool issaved() const { return issaved_; }
    runtime::Short count() const { return static_cast<long long>(order_.size()); }
    runtime::Short getnext(const runtime::Text& reset, Record& res);
    void remove(runtime::Short index);

private:
    using RecordId = std::uint32_t;

    Record recordAt(std::size_t offset) const;

    // Created by the first load, so that an empty list costs nothing.
    std::shared_ptr<Store> store_;
    // The record of each position, less one.
    std::vector<RecordId> order_;
    bool isloaded_ = false;
    bool issaved_ = false;
    runtime::Short cursor_ = 0;
};

// One record of a list, standing for it as a shared reference to a record object would:
// record->firstname() reads the record in the list and record->setFirstname() changes
// it there, a removed record stays readable through it while its list lives, and
// *record is a copy of the record's names, which changes nothing in the list. A name
// given to a record is kept as the bytes a save writes of it.
class names::Record {
public:
    Record() = default;

    const Record* operator->() const { return this; }
    // Constant, so that changing the copy, which the list would never see, is refused.
    const onename operator*() const;
    bool operator==(std::nullptr_t) const { return store_ == nullptr; }
    bool operator==(const Record& other) const = default;

    // The layouts of onename.
    runtime::Text fileformat() const { return (**this).fileformat(); }
    runtime::Text lastfirst() const { return (**this).lastfirst(); }
    runtime::Text firstfirst() const { return (**this).firstfirst(); }

    runtime::Text lastname() const;
    void setLastname(const runtime::Text& vData) const;
    runtime::Text firstname() const;
    void setFirstname(const runtime::Text& vData) const;

    // Whether the last (or first) name is `name`, whatever the case of either.
    bool lastnameMatches(const namebytes::NameIgnoringCase& name) const;
    bool firstnameMatches(const namebytes::NameIgnoringCase& name) const;

private:
    friend class names;
    Record(Store* store, RecordId id) : store_(store), id_(id) {}

    Store* store_ = nullptr;
    RecordId id_ = 0;
};

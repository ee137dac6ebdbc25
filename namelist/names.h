#pragma once

#include "onename.h"

#include "runtime/base/collection.h"
#include "runtime/base/integers.h"

#include <memory>

// The ordered list of names, positions numbered from 1, with its data file.
//
// loadfromfile appends (it never empties the list first), savetofile writes every record,
// getnext walks the list with a read cursor, find searches exactly by first or last
// name, remove takes a record out. The two flags tell whether a load has completed and
// whether the list is saved. A failure is a false result, never an exception.
//
// Positions and counts are 16-bit: the list holds at most maxCount records. A load that
// reaches the limit stops there and reports false; the records before it stay.
class names {
public:
    using Record = std::shared_ptr<onename>;
    static constexpr int maxCount = 32766;

    const Record& item(runtime::Short index) const { return records_.item(index); }
    bool find(const runtime::Text& fname, const runtime::Text& lname, Record& n) const;
    bool loadfromfile(const runtime::Text& fname);
    bool savetofile(const runtime::Text& fname);
    bool isloaded() const { return isloaded_; }
    bool issaved() const { return issaved_; }
    runtime::Short count() const { return records_.count(); }
    runtime::Short getnext(const runtime::Text& reset, Record& res);
    void remove(runtime::Short index);

private:
    runtime::Collection<onename> records_;
    bool isloaded_ = false;
    bool issaved_ = false;
    runtime::Short cursor_ = 0;
};

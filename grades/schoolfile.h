// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "appdata.h"

#include "runtime/base/integers.h"

#include <utility>

// What reading the school list file gave.
struct schoolread {
    runtime::Short count = 0;  // schools read, in table entries 0 to count - 1
    int firstShortLine = 0;    // number (from 1) of the first line skipped for want of fields; 0: none
    int shortLineCount = 0;    // how many lines were skipped for want of fields
    bool tableFull = false;    // more schools followed the last one the table could take
};

// The school list file: one school a line (see schoolline.h), each ended by CR LF,
// only ever appended to.
//
// Reading fills the school table from entry 0 in file order. A line needs three
// ";"-separated fields to be a school (pieces after the third are ignored); a shorter
// one, an empty line included, is skipped and counted. Schools after the eleventh are
// left out. Entries after the last school read keep whatever they held.
class schoolfile {
public:
    explicit schoolfile(runtime::Text path) : path_(std::move(path)) {}

    const runtime::Text& path() const { return path_; }

    // Whether an ordinary file of that name exists: a folder or a device does not count.
    bool exists() const;

    // Raises a RuntimeError naming the file when it cannot be read.
    schoolread readinto(appdata::SchoolTable& schools) const;

    // Adds the line at the end, followed by CR LF, creating the file when it is missing.
    // Raises a RuntimeError naming the file when that fails; the file keeps whole lines.
    void append(const runtime::Text& line) const;

private:
    runtime::Text path_;
};

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <array>

// One school of the school list file.
struct schoolrec {
    runtime::Text sname;     // the school's name
    runtime::Text deptlist;  // its department acronyms, joined by ","
    runtime::Text camplist;  // its campus abbreviations, joined by ","
};

// The data that the windows of the grade book application share. It lives for one run
// and is never saved: the instructor's names are kept as the Preferences window took
// them, and the school table holds what the New Grade Book window last read.
struct appdata {
    // The school table has room for this many schools, indices 0 to 10.
    static constexpr int schoolCount = 11;
    using SchoolTable = std::array<schoolrec, schoolCount>;

    runtime::Text instructorfirst;
    runtime::Text instructorlast;
    SchoolTable schools;
};

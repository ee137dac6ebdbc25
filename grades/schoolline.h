// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

// The line of the school list file that records one school:
//
//     Acme Tech;CS,CIS;North,South
//
// the school's name, ";", its department list, ";", its campus list. The lists come
// from multi-line boxes, one entry a line, and are joined with ",". A ";" inside a
// field would shift the fields when the line is read back, so it has no place there;
// a "," inside an entry is kept and splits that entry when the line is read back.
namespace schoolline {

inline constexpr char16_t fieldSeparator = u';';
inline constexpr char16_t entrySeparator = u',';

// Joins the lines of a multi-line box into a list. Empty lines before the first
// non-empty one vanish; later ones leave empty entries, and a text that ends with a
// line break gives a list that ends with ",":
//     "CS\r\nCIS"       -> "CS,CIS"
//     "CS\r\n\r\nCIS"   -> "CS,,CIS"
//     "\r\nCS\r\n"      -> "CS,"
runtime::Text joinlines(const runtime::Text& boxText);

// The school's line from the texts of the three boxes.
runtime::Text make(const runtime::Text& name, const runtime::Text& departmentLines,
                   const runtime::Text& campusLines);

// Whether a box's text holds the field separator.
bool holdsFieldSeparator(const runtime::Text& text);

// Whether a box's text holds a control character (a tab, a lone CR or LF, any other
// character below 32 or from 127 to 159), which would split or garble the line in the
// file. The CR LF that separates the lines of a list is not one; a name is one line.
bool nameHoldsControlCharacter(const runtime::Text& name);
bool listHoldsControlCharacter(const runtime::Text& lines);

}  // namespace schoolline

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/integers.h"
#include "runtime/base/text.h"

#include <cstdint>

// The bill of one lunch order as "Total Bill" prints it:
//
//     (empty first line)
//     Radio Button Mushroom Burger - 2.35
//     ---------------
//     Sub Total = $2.35
//     Tip = $0.47
//     Total = $2.82
//
// one line per dish in the order the dishes were added, lines separated by CR LF and
// none after the last. The amounts go through the default locale's currency format
// unrounded, so the format alone decides the cents shown: "Water - 0.01" with a 20% tip
// makes a total of 0.012, shown as $0.01.
//
// The dishes' cents add up in a signed 32-bit sum; a sum beyond it raises the runtime's
// overflow error instead of printing a wrong bill. The bill knows nothing of lists or
// tip buttons: the window decides what is marked and which rate applies.
class Bill {
public:
    void addDish(const runtime::Text& itemText, std::int32_t cents);

    // The share of the sub total added as tip: 0.2 for 20%; 0 (no tip) until set.
    void setTipRate(double rate) { tipRate_ = rate; }

    runtime::Text text() const;

private:
    runtime::Text dishLines_;
    runtime::Long cents_;
    double tipRate_ = 0;
};

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "bill.h"

using namespace runtime;

namespace {
const Text lineEnd = QStringLiteral("\r\n");
}  // namespace

void Bill::addDish(const Text& itemText, std::int32_t cents)
{
    cents_ += cents;
    dishLines_ += lineEnd + itemText;
}

Text Bill::text() const
{
    const double subTotal = static_cast<double>(cents_.value()) / 100.0;
    const double tip = subTotal * tipRate_;
    const double total = subTotal + tip;
    return dishLines_ + lineEnd + "---------------"
        + lineEnd + "Sub Total = " + formatCurrency(subTotal)
        + lineEnd + "Tip = " + formatCurrency(tip)
        + lineEnd + "Total = " + formatCurrency(total);
}

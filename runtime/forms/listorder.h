// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

namespace runtime {

/// How a list control places a text added to it: at the end, or in order among its
/// entries. The list box and the combo box each name it as their Order.
enum class ListOrder {
    AsAdded,  ///< At the end.
    Sorted    ///< In order, ignoring case (sortedPosition()).
};

/// Where a sorted list adds a text: after every entry that sorts before it or equal to it,
/// ignoring case, so that equal texts keep the order they were added in. `List` is any
/// list with count() and item(index), its entries already in that order.
template <typename List>
int sortedPosition(const List& list, const Text& text)
{
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (QString::compare(list.item(middle), text, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace runtime

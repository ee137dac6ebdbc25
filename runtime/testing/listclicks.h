// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/listbox.h"

#include <QAbstractItemView>
#include <QTest>

// Clicks on list entries as the mouse makes them, for tests of windows with lists.
namespace runtime::testing {

inline QAbstractItemView& listView(const ListBox& list)
{
    return *static_cast<QAbstractItemView*>(list.widget());
}

// The middle of entry `index`'s row on the list's viewport, scrolled into sight first.
inline QPoint entryCentre(const ListBox& list, int index)
{
    QAbstractItemView& view = listView(list);
    const QModelIndex entry = view.model()->index(index, 0);
    view.scrollTo(entry);
    return view.visualRect(entry).center();
}

inline void clickEntry(const ListBox& list, int index)
{
    const QPoint centre = entryCentre(list, index);
    QTest::mouseClick(listView(list).viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

}  // namespace runtime::testing

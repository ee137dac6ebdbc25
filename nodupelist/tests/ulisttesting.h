// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/testing/listclicks.h"
#include "runtime/testing/textprinting.h"

#include "ulistctrl.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

inline QStringList itemsOf(const ulistctrl& control)
{
    QStringList items;
    for (int index = 0; index < control.ulist.count(); ++index)
        items.append(control.ulist.item(index));
    return items;
}

// A left-button click in the middle of the row of item `index`, as the mouse makes it.
inline void clickItem(const ulistctrl& control, int index)
{
    ASSERT_LT(index, control.ulist.count()) << "no item " << index;
    const QPoint centre = runtime::testing::entryCentre(control.ulist, index);
    QWidget* rows = runtime::testing::listView(control.ulist).viewport();
    ASSERT_TRUE(rows->rect().contains(centre)) << "item " << index << " is not in sight";
    QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, centre);
}

// The control on its own window, shown off screen, so that clicks and keys reach it.
inline void showAlone(const ulistctrl& control)
{
    control.widget()->show();
    QApplication::setActiveWindow(control.widget());
}

#pragma once

#include "ulistctrl.h"

#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

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
    QListWidget& list = *static_cast<QListWidget*>(control.ulist.widget());
    QListWidgetItem* item = list.item(index);
    ASSERT_NE(item, nullptr) << "no item " << index;
    list.scrollToItem(item);
    const QRect row = list.visualItemRect(item);
    ASSERT_TRUE(list.viewport()->rect().contains(row.center())) << "item " << index << " is not in sight";
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
}

// The control on its own window, shown off screen, so that clicks and keys reach it.
inline void showAlone(const ulistctrl& control)
{
    control.widget()->show();
    QApplication::setActiveWindow(control.widget());
}

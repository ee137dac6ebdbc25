// SPDX-License-Identifier: LGPL-2.1-or-later
#include "ulistctrl.h"

ulistctrl::ulistctrl()
{
    design({1470, 450}, {
        {"ulist", &ulist, "", 0, 0, 1455, 450, 0, {.accessibleName = "Items"}},
    });

    ulist.Click.bind(this, &ulistctrl::ulist_Click);
}

// One look-up both refuses a held text and reserves the place of a new one.
void ulistctrl::additem(Text& str)
{
    if (!held.insert(str))
        return;
    try {
        ulist.addItem(str);
    } catch (...) {
        held.removeLast();  // the list did not take it, so a later add must not be refused
        throw;
    }
}

ulistctrl::Text ulistctrl::selected() const
{
    return ulist.text();
}

ulistctrl::Text ulistctrl::count() const
{
    return QString::number(ulist.count());
}

void ulistctrl::UserControl_Resize()
{
    ulist.setHeight(scaleHeight());
    ulist.setWidth(scaleWidth());
}

void ulistctrl::ulist_Click()
{
    clicked.raise();
}

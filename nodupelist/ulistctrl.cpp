#include "ulistctrl.h"

ulistctrl::ulistctrl()
{
    design({1470, 450}, {
        {"ulist", &ulist, "", 0, 0, 1455, 450, 0, {.accessibleName = "Items"}},
    });

    ulist.Click.bind(this, &ulistctrl::ulist_Click);
}

void ulistctrl::additem(Text& str)
{
    // The set compares with QString's ==, code unit by code unit: no locale, no case
    // folding, no trimming.
    if (held.contains(str))
        return;
    ulist.addItem(str);
    held.insert(str);  // only once the list holds it, so that a failed add refuses nothing later
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

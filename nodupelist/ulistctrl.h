// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "heldtexts.h"

#include "runtime/components/usercontrol.h"
#include "runtime/forms/event.h"
#include "runtime/forms/listbox.h"

// The unique list control `ulistctrl` of the library solvane, class identifier
// solvane.ulistctrl: a list box that silently refuses a text it already holds.
//
// Members, for hosts (default interface _ulistctrl, dual; events __ulistctrl), called and
// bound by the member identifiers of ulistctrlmembers.h:
//   additem   method, str As String by reference, no result
//             (by reference as the interface publishes it; additem never changes str)
//             adds str at the end of the list unless an item equal to it is there; equal
//             means the same 16-bit characters: "Apple" and "apple" are two items, and so
//             are "Apple" and "Apple ". A refusal returns normally and shows nothing.
//   selected  read-only property, String
//             the text of the selected item; the empty text when none is selected
//   count     read-only property, String
//             the number of items in decimal digits, "0" for an empty list
//   clicked   event, no arguments
//             raised each time the list raises its click event: for every click on an
//             item, the selected one included, and each time the user moves the
//             selection with the keyboard; the host's handler runs before the click
//             is over
// Items are only ever added, in the order of their first addition; the control has no
// removal, saves nothing and reads nothing from disk. Its design size is 1470 x 450
// twips; from the first extent its host gives it, the list covers all of it.
class ulistctrl : public runtime::UserControl {
public:
    using Text = runtime::Text;

    ulistctrl();

    void additem(Text& str);
    Text selected() const;
    Text count() const;

    runtime::Event<> clicked;

    // The child is public, as every form's controls are, so that tests can drive it.
    runtime::ListBox ulist;

private:
    void UserControl_Resize() override;
    void ulist_Click();

    // Every text in `ulist`, so that a refusal costs one look-up instead of a walk over
    // every item, and a list longer than a 16-bit counter can walk (32,767 items) still
    // refuses duplicates. It follows `ulist` exactly: items are only added, and only by
    // additem.
    HeldTexts held;
};

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/listbox.h"

// The text file list viewer: reads every line of "pellix.txt" in the program folder
// into the left list, and moves single entries between the two lists. Nothing is
// written back.
//
// A file that is missing or cannot be read is named in a message box with the system's
// reason, and the window opens with empty lists.
class pellix : public runtime::Form {
public:
    pellix();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::ListBox List1;
    runtime::ListBox List2;
    runtime::Button Command1;
    runtime::Button Command2;

private:
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void List1_DblClick();
    void List2_Click();

    void moveselected();
};

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/frame.h"
#include "runtime/forms/label.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/optionbutton.h"
#include "runtime/forms/textbox.h"

#include <array>

// The lunch order window: dishes are marked in three priced lists, a tip rate is picked
// and "Total Bill" prints the itemised bill (see Bill). Nothing is read or written.
class Form1 : public runtime::Form {
public:
    Form1();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Label Label4;
    runtime::Frame Frame1;
    runtime::Label Label1;
    runtime::Label Label2;
    runtime::Label Label3;
    runtime::ListBox dinner{runtime::ListBox::Selection::Multiple};
    runtime::ListBox dessert{runtime::ListBox::Selection::Multiple};
    runtime::ListBox drinks{runtime::ListBox::Selection::Multiple};
    runtime::Frame Frame2;
    // The rate belongs to the index, not to the caption: 0 is 20%, 1 is 15%, 2 is 10%.
    std::array<runtime::OptionButton, 3> tips;
    runtime::TextBox bill{runtime::TextBox::Lines::Multi};
    runtime::Button total;
    runtime::Button Command1;

private:
    void Form_Load() override;
    void total_Click();
    void Command1_Click();
};

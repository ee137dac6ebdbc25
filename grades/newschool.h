// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/textbox.h"

// The Add a new school window: checks the three boxes in order, joins them into one
// line of the school list file, shows the line and appends it. The boxes keep their
// texts afterwards, so pressing Add School again adds the same school again.
class newschool : public runtime::Form {
public:
    newschool();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::TextBox schname;
    runtime::Label Label1;
    runtime::TextBox depts{runtime::TextBox::Lines::Multi};
    runtime::Label Label2;
    runtime::TextBox campuses{runtime::TextBox::Lines::Multi};
    runtime::Label Label3;
    runtime::Button help;
    runtime::Button done;

private:
    void done_Click();
    void help_Click();

    // Reports a box that fails its check and moves the focus there.
    static void refuse(runtime::TextBox& box, const runtime::Text& message);
};

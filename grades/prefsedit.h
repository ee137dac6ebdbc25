// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "appdata.h"

#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/textbox.h"

// The Edit Preferences window: the instructor's first and last name. "Done" requires
// both, keeps them as typed for the rest of the run and hides the window; the close
// box drops whatever was typed since. Loading the window puts the kept names back.
class prefsedit : public runtime::Form {
public:
    explicit prefsedit(appdata& data);

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Button done;
    runtime::TextBox instrfirst;
    runtime::Label Label1;
    runtime::TextBox instrlast;
    runtime::Label Label2;

private:
    void Form_Load() override;
    void done_Click();

    appdata& data_;
};

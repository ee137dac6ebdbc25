// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/hostedcontrol.h"
#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"

// The phone control test window: hosts the phone control tesk.phonectrl, created by its
// class identifier from the registered library, and shows the entered number in both of
// the control's formats each time the control reports `clicked`. "Exit" ends the program.
class PhoneTest : public runtime::Form {
public:
    PhoneTest();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Label stdform;
    runtime::Label Label2;
    runtime::HostedControl phonectrl1{QStringLiteral("tesk.phonectrl")};
    runtime::Button Command1;
    runtime::Label Label1;
    runtime::Label fancy;

private:
    void phonectrl1_clicked();
    void Command1_Click();
};

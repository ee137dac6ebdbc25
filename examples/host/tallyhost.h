// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/hostedcontrol.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"

// A window that hosts two controls of two control libraries by their class identifiers:
// the counter tally.counterctrl, whose count it shows each time the counter reports
// `changed`, and the phone control tesk.phonectrl, whose number it shows in the standard
// format each time the phone control reports `clicked`.
class TallyHost : public runtime::Form {
public:
    TallyHost();

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::HostedControl counter1{QStringLiteral("tally.counterctrl")};
    runtime::Label counted;
    runtime::HostedControl phonectrl1{QStringLiteral("tesk.phonectrl")};
    runtime::Label number;

private:
    void counter1_changed(runtime::Arguments& arguments);
    void phonectrl1_clicked();
};

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/integers.h"
#include "runtime/components/usercontrol.h"
#include "runtime/forms/button.h"
#include "runtime/forms/event.h"
#include "runtime/forms/label.h"

#include <cstdint>

// The counter control `counterctrl` of the library tally, class identifier
// tally.counterctrl: a number and a "+" button that adds one to it.
//
// Members, for hosts (default interface _counterctrl, dual; events __counterctrl), called
// and bound by the member identifiers of countermembers.h:
//   value    property, Long, read and write, design time; 0 when the control is made
//            the number shown; writing it shows the new number
//   add      method, ByVal steps As Long, no result
//            adds steps (negative steps count down) to value. A sum beyond a Long
//            (-2147483648 to 2147483647) raises the runtime's overflow error and leaves
//            value as it was.
//   changed  event, ByVal value As Long
//            raised after each change of value, by "+", by add or by writing value,
//            with the new value; a change to the same number raises nothing
// The control saves nothing and reads nothing from disk. Its design size is 1215 x 375
// twips; the button keeps its width and the number takes the rest of any extent.
class counterctrl : public runtime::UserControl {
public:
    counterctrl();

    std::int32_t value() const { return value_; }
    void setValue(std::int32_t value);
    void add(std::int32_t steps);

    runtime::Event<std::int32_t> changed;

    // The children are public, as every form's controls are, so that tests can drive them.
    runtime::Label shown;
    runtime::Button up;

private:
    void UserControl_Resize() override;
    void up_Click();

    runtime::Long value_ = 0;
};

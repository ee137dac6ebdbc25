// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/usercontrol.h"
#include "runtime/forms/event.h"

#include <cstdint>

// The level meter `levelctrl` of the library gauge, class identifier gauge.levelctrl: a
// row of segments, of which the first `level` are lit. It draws itself and takes the
// mouse and the keys; it has no child controls.
//
// Members, for hosts (default interface _levelctrl, dual; events __levelctrl), called and
// bound by the member identifiers of levelmembers.h:
//   level    property, Short, read and write; 0 when the control is made
//            how many segments are lit, 0 to steps; a number beyond either end is taken
//            as that end
//   steps    property, Short, read and write, kept by form designers; 10 when made
//            how many segments there are, 1 to 40 (beyond either end: that end);
//            fewer steps than the level lower the level with them
//   changed  event, ByVal level As Short
//            raised after each change of level, by the user or by the host; setting
//            the same level raises nothing
// The user sets the level with the mouse: pressing on a segment, or dragging across the
// row, lights every segment up to the one under the pointer (left of the first: none).
// With the keys, Right and Up light one more, Left and Down one fewer, Home none and End
// all. The lit segments are green, the others light grey; an outline shows the focus.
// While its host has it disabled the meter is greyed and takes no input. It saves
// nothing and reads nothing from disk. Its design size is 3000 x 450 twips; it draws
// itself across any extent.
class levelctrl : public runtime::UserControl {
public:
    levelctrl();

    std::int16_t level() const { return level_; }
    void setLevel(std::int16_t level);
    std::int16_t steps() const { return steps_; }
    void setSteps(std::int16_t steps);

    runtime::Event<std::int16_t> changed;

private:
    void UserControl_Paint(runtime::Canvas& canvas) override;
    void UserControl_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void UserControl_MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) override;
    void UserControl_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void UserControl_GotFocus() override { Refresh(); }
    void UserControl_LostFocus() override { Refresh(); }

    // The level that a press at x (twips from the left) sets.
    std::int16_t levelAt(float x) const;

    std::int16_t level_ = 0;
    std::int16_t steps_ = 10;
};

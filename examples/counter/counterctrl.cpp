// SPDX-License-Identifier: LGPL-2.1-or-later
#include "counterctrl.h"

#include <QString>

#include <algorithm>

namespace {

constexpr float buttonWidth = 375.0f;

}  // namespace

counterctrl::counterctrl()
{
    design({1215, 375}, {
        {"shown", &shown, "0", 0, 60, 780, 255, 0, {.alignment = runtime::Alignment::Right}},
        {"up", &up, "+", 840, 0, buttonWidth, 375, 1, {.accessibleName = "Add one"}},
    });

    up.Click.bind(this, &counterctrl::up_Click);
}

void counterctrl::setValue(std::int32_t value)
{
    if (value == value_)
        return;
    value_ = value;
    shown.setCaption(QString::number(value));
    changed.raise(value);
}

// The sum is checked before anything changes, so an overflow leaves the number shown.
void counterctrl::add(std::int32_t steps)
{
    runtime::Long sum = value_;
    sum += steps;
    setValue(sum);
}

void counterctrl::UserControl_Resize()
{
    float numberWidth = std::max(0.0f, scaleWidth() - buttonWidth - 60);
    shown.setWidth(numberWidth);
    up.setLeft(numberWidth + 60);
    up.setHeight(scaleHeight());
}

void counterctrl::up_Click()
{
    add(1);
}

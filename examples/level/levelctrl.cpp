// SPDX-License-Identifier: LGPL-2.1-or-later
#include "levelctrl.h"

#include "runtime/forms/input.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int16_t fewestSteps = 1;
constexpr std::int16_t mostSteps = 40;
// The room between segments and around them: two pixels.
constexpr float gap = 30.0f;
constexpr runtime::Colour lit = runtime::rgb(0, 160, 0);
constexpr runtime::Colour unlit = runtime::rgb(208, 208, 208);

}  // namespace

levelctrl::levelctrl()
{
    design({3000, 450}, {});
}

void levelctrl::setLevel(std::int16_t level)
{
    level = std::clamp<std::int16_t>(level, 0, steps_);
    if (level == level_)
        return;
    level_ = level;
    Refresh();
    changed.raise(level_);
}

void levelctrl::setSteps(std::int16_t steps)
{
    steps_ = std::clamp(steps, fewestSteps, mostSteps);
    Refresh();
    setLevel(level_);
}

std::int16_t levelctrl::levelAt(float x) const
{
    const float segmentWidth = scaleWidth() / static_cast<float>(steps_);
    return static_cast<std::int16_t>(std::clamp(std::floor(x / segmentWidth) + 1, 0.0f, static_cast<float>(steps_)));
}

void levelctrl::UserControl_Paint(runtime::Canvas& canvas)
{
    const float segmentWidth = canvas.width() / static_cast<float>(steps_);
    canvas.setLineWidth(0);
    for (int segment = 0; segment < steps_; ++segment) {
        canvas.setFillColor(segment < level_ ? lit : unlit);
        canvas.rectangle(static_cast<float>(segment) * segmentWidth + gap / 2, gap, segmentWidth - gap,
                         canvas.height() - 2 * gap);
    }
    if (hasFocus()) {
        canvas.setFillColor(std::nullopt);
        canvas.setLineWidth(runtime::twipsPerPixel);
        canvas.rectangle(runtime::twipsPerPixel / 2, runtime::twipsPerPixel / 2, canvas.width() - runtime::twipsPerPixel,
                         canvas.height() - runtime::twipsPerPixel);
    }
}

void levelctrl::UserControl_MouseDown(std::int16_t button, std::int16_t, float x, float)
{
    if (button == runtime::MouseButton::Left)
        setLevel(levelAt(x));
}

void levelctrl::UserControl_MouseMove(std::int16_t buttons, std::int16_t, float x, float)
{
    if (buttons & runtime::MouseButton::Left)
        setLevel(levelAt(x));
}

void levelctrl::UserControl_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    switch (keyCode) {
    case runtime::KeyCode::Right:
    case runtime::KeyCode::Up: setLevel(static_cast<std::int16_t>(level_ + 1)); break;
    case runtime::KeyCode::Left:
    case runtime::KeyCode::Down: setLevel(static_cast<std::int16_t>(level_ - 1)); break;
    case runtime::KeyCode::Home: setLevel(0); break;
    case runtime::KeyCode::End: setLevel(steps_); break;
    default: return;
    }
    keyCode = 0;
}

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/statusline.h"

#include "runtime/forms/label.h"
#include "runtime/forms/timer.h"

namespace runtime {

namespace {
constexpr int shownMilliseconds = 5000;
}  // namespace

void StatusLine::show(const Text& text, MessageKind kind)
{
    label_.setForeColor(kind == MessageKind::Error ? rgb(255, 0, 0) : rgb(0, 0, 0));
    label_.setCaption(text);
    timer_.setInterval(shownMilliseconds);
    timer_.setEnabled(true);
}

void StatusLine::clear()
{
    label_.setCaption("");
    timer_.setEnabled(false);
}

}  // namespace runtime

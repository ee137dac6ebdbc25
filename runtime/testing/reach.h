// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QStringList>

class QWidget;

// Whether every control of a window that a user acts on can be reached without a mouse
// and without sight: by the Tab key, and by the name a screen reader reads for it.
namespace runtime::testing {

// The text boxes, lists and combo boxes in `top` that have neither an accessible name
// nor a label related to them as theirs; one "name (class)" each.
QStringList unnamedControls(const QWidget& top);

// The buttons, boxes, lists and combo boxes in the window `top` that Tab never gives the
// focus to. An option button counts as reached when another of its group is: the arrow
// keys move between the options of a group. One "name (class)" each.
QStringList controlsTabSkips(QWidget* top);

}  // namespace runtime::testing

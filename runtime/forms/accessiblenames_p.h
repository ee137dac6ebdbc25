// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/design.h"

#include <initializer_list>

namespace runtime {

// Names the controls of a design for screen readers and other assistive tools. A text
// box, list box or combo box shows no caption of its own, so it takes its name from the
// label that designates it on the window, the label a sighted user reads it by:
//
//   - a label in the same container (the window, or the same frame) that lies above the
//     control, with the middle of the label over the control's width and the label's
//     bottom edge at most 360 twips (a quarter inch) above the control's top; or
//   - such a label to the control's left, with the middle of the label beside the
//     control's height and its right edge at most 360 twips left of the control;
//   - of several, the nearest; at equal distance, the first in the design. A label with
//     no caption names nothing.
//
// The phone control's "Area Code" lies above its area box and names it; the grade book's
// "School" lies left of its school list. A combo box, whose name on Linux is its text,
// is also made the label's buddy: screen readers there read the label through that
// "labelled by" relation. A row that sets Attributes::accessibleName is
// named by that text instead, for a control no label designates. Runs once, when the
// design is built: a caption changed later does not rename the control.
class AccessibleNames {
public:
    static void nameControls(std::initializer_list<Placement> rows);
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

namespace runtime {

/// An image shown at its natural size, cut off where it leaves the window. A click on it
/// raises Click, a double-click DblClick.
class RUNTIME_EXPORT Picture : public Control {
public:
    /// A picture control without an image.
    Picture();

    /// Loads the image from a file or a resource path (":/...") and resizes the
    /// control to the image. One that cannot be read raises the invalid picture error
    /// (481, RuntimeError::InvalidPicture) and leaves the control as it was.
    void setPicture(const Text& path);
    /// Whether setPicture() has given the control an image.
    bool hasPicture() const;

    /// A press and a release of the left button inside the picture.
    Event<> Click;
    /// The second press of a double-click, which raises no Click of its own.
    Event<> DblClick;

private:
    void mouseClicked() override { Click.raise(); }
    void mouseDoubleClicked() override { DblClick.raise(); }
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QPushButton;

namespace runtime {

/// A command button. Click is raised by the mouse, and by Space or Enter while the
/// button has the focus. Its caption wraps at spaces onto as many lines as its height
/// holds, centred, below its picture if it has one. A flat button shows its border only
/// while the pointer is on it or it is pressed.
class RUNTIME_EXPORT Button : public Control {
public:
    /// A raised button without a caption or a picture.
    Button();

    /// The caption, as it was set.
    Text caption() const;

    /// The caption.
    Text shownText() const override { return caption(); }
    /// Shows `caption`; an "&" before a letter underlines it and makes Alt with that
    /// letter press the button.
    void setCaption(const Text& caption);

    /// Loads the picture from a file or a resource path (":/..."); one that cannot be read
    /// raises the invalid picture error (481, RuntimeError::InvalidPicture) and leaves the
    /// button as it was.
    void setPicture(const Text& path);
    /// Whether setPicture() has given the button a picture.
    bool hasPicture() const;

    /// Whether the button is flat; a new one is not.
    bool flat() const;
    /// Makes the button flat, showing its border only while the pointer is on it or it is
    /// pressed, or raised again.
    void setFlat(bool flat);

    /// Presses the button as the user would, raising Click.
    void press();

    /// The user pressed the button, or press() did.
    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    void applyDesignAttributes(const Attributes& attributes) override;
    QPushButton* button() const;
};

}  // namespace runtime

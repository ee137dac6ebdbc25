// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"

namespace runtime {

/// A captioned border that holds other controls; their positions are relative to it.
/// Its fore colour and font are its caption's, and its back colour fills its own area:
/// none of them reaches the controls inside, which keep their own or the window's.
/// A row of the design puts a control inside through Attributes::container.
class RUNTIME_EXPORT Frame : public Control {
public:
    /// An empty frame without a caption.
    Frame();

    /// The caption on the frame's top border.
    Text caption() const;
    /// Shows `caption` on the frame's top border.
    void setCaption(const Text& caption);
    /// The caption.
    Text shownText() const override { return caption(); }

    /// The colour of the caption.
    Colour foreColor() const override;
    /// Draws the caption in `colour`; the controls inside keep theirs.
    void setForeColor(Colour colour) override;
    /// The colour that fills the frame's area.
    Colour backColor() const override;
    /// Fills the frame's area with `colour`; the controls inside keep theirs.
    void setBackColor(Colour colour) override;
    /// Draws the caption in `font`; the controls inside keep theirs.
    void setFont(const Font& font) override;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    class Box;
    Box* box() const;
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QLabel;

namespace runtime {

/// A caption the user cannot edit; the text wraps inside the label's width. A click on it
/// raises Click, a double-click DblClick.
class RUNTIME_EXPORT Label : public Control {
public:
    /// A label without a caption, its text against the top-left corner.
    Label();

    /// The text shown, as it was set.
    Text caption() const;

    /// The caption.
    Text shownText() const override { return caption(); }
    /// Shows `caption` as plain text, wrapped at the label's width.
    void setCaption(const Text& caption);

    /// A press and a release of the left button inside the label.
    Event<> Click;
    /// The second press of a double-click, which raises no Click of its own.
    Event<> DblClick;

private:
    void mouseClicked() override { Click.raise(); }
    void mouseDoubleClicked() override { DblClick.raise(); }
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    void setDesignAlignment(Alignment alignment) override;
    QLabel* label() const;
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

class QRadioButton;

namespace runtime {

/// One of a group of exclusive choices: the option buttons inside one container exclude
/// each other. None is chosen until the user or the program picks one.
class RUNTIME_EXPORT OptionButton : public Control {
public:
    /// An option without a caption, not chosen.
    OptionButton();

    /// The caption beside the option's circle, as it was set.
    Text caption() const;
    /// Shows `caption` beside the option's circle.
    void setCaption(const Text& caption);
    /// The caption.
    Text shownText() const override { return caption(); }

    /// Whether this option is the chosen one of its container.
    bool value() const;
    /// True chooses this option, which clears the one chosen before in its container.
    /// False changes nothing: an option is cleared only by choosing another, so once a
    /// choice is made its container keeps one. Neither raises Click.
    void setValue(bool chosen);

    /// The user chose this option, also when it was chosen already.
    Event<> Click;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    QRadioButton* button() const;
};

}  // namespace runtime

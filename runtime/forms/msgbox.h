// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

/// The buttons of a message box; each is its part of the style number.
enum class Buttons {
    OkOnly = 0,            ///< OK.
    OkCancel = 1,          ///< OK and Cancel.
    AbortRetryIgnore = 2,  ///< Abort, Retry and Ignore.
    YesNoCancel = 3,       ///< Yes, No and Cancel.
    YesNo = 4,             ///< Yes and No.
    RetryCancel = 5        ///< Retry and Cancel.
};
/// The icon of a message box; each is its part of the style number.
enum class Icon {
    None = 0,          ///< No icon.
    Critical = 16,     ///< The critical icon, for an error.
    Question = 32,     ///< The question mark.
    Exclamation = 48,  ///< The warning icon.
    Information = 64   ///< The information icon.
};
/// The button that Enter presses; each is its part of the style number. A default past
/// the box's last button is its last.
enum class DefaultButton {
    First = 0,     ///< The first button.
    Second = 256,  ///< The second button.
    Third = 512    ///< The third button.
};

/// Which buttons, icon and default button a message box has. value() is the
/// style number: Yes/No with the exclamation icon and No as default is 4 + 48 + 256 = 308.
struct MsgBoxStyle {
    Buttons buttons = Buttons::OkOnly;                   ///< The buttons; OK alone by default.
    Icon icon = Icon::None;                              ///< The icon; none by default.
    DefaultButton defaultButton = DefaultButton::First;  ///< The default button; the first by default.

    /// The style number: the buttons' part, the icon's and the default button's, added up.
    int value() const
    {
        return static_cast<int>(buttons) + static_cast<int>(icon) + static_cast<int>(defaultButton);
    }
};

/// The button that closed a message box.
enum MsgBoxResult : int {
    Ok = 1,      ///< OK.
    Cancel = 2,  ///< Cancel.
    Abort = 3,   ///< Abort.
    Retry = 4,   ///< Retry.
    Ignore = 5,  ///< Ignore.
    Yes = 6,     ///< Yes.
    No = 7       ///< No.
};

/// One message box to show, as a MessagePresenter receives it.
struct MessageBoxRequest {
    Text text;          ///< The message.
    MsgBoxStyle style;  ///< Its buttons, icon and default button.
    Text title;         ///< already filled with the program's title when the caller gave none
};

/// Shows message boxes. The real presenter shows a modal dialog; tests install a scripted
/// one that records each box and answers as the test says.
class RUNTIME_EXPORT MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    /// Shows the box that `request` describes and returns the button that closed it.
    virtual MsgBoxResult present(const MessageBoxRequest& request) = 0;
};

/// Shows a modal message box and returns the button pressed. Without a title of its own
/// the box shows the program's title.
RUNTIME_EXPORT MsgBoxResult msgBox(const Text& text, MsgBoxStyle style = {}, const Text& title = {});

/// The button a box answers with when Enter is pressed: its default button.
RUNTIME_EXPORT MsgBoxResult defaultAnswerOf(const MsgBoxStyle& style);

/// Replaces the presenter for the rest of the run (tests, a host that shows boxes its own
/// way); nullptr restores the real one.
RUNTIME_EXPORT void setMessagePresenter(MessagePresenter* presenter);

}  // namespace runtime

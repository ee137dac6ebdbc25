#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

enum class Buttons { OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class Icon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class DefaultButton { First = 0, Second = 256, Third = 512 };

// Which buttons, icon and default button a message box has. value() is the
// style number: Yes/No with the exclamation icon and No as default is 4 + 48 + 256 = 308.
struct MsgBoxStyle {
    Buttons buttons = Buttons::OkOnly;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::First;

    int value() const
    {
        return static_cast<int>(buttons) + static_cast<int>(icon) + static_cast<int>(defaultButton);
    }
};

// The button that closed a message box.
enum MsgBoxResult : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
    Text text;
    MsgBoxStyle style;
    Text title;  // already filled with the program's title when the caller gave none
};

// Shows message boxes. The real presenter shows a modal dialog; tests install a scripted
// one that records each box and answers as the test says.
class RUNTIME_EXPORT MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MsgBoxResult present(const MessageBoxRequest& request) = 0;
};

// Shows a modal message box and returns the button pressed. Without a title of its own
// the box shows the program's title.
RUNTIME_EXPORT MsgBoxResult msgBox(const Text& text, MsgBoxStyle style = {}, const Text& title = {});

// The button a box answers with when Enter is pressed: its default button.
RUNTIME_EXPORT MsgBoxResult defaultAnswerOf(const MsgBoxStyle& style);

// Replaces the presenter for the rest of the run (tests, a host that shows boxes its own
// way); nullptr restores the real one.
RUNTIME_EXPORT void setMessagePresenter(MessagePresenter* presenter);

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
// The real message box, off screen: Enter must choose the button the style names as
// default. The scripted presenter answers from a table of its own, so its table is held
// to the same answers here too: a difference would let tests pass on answers no user gets.
#include "runtime/forms/msgbox.h"

#include "runtime/testing/testing.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

using runtime::Buttons;
using runtime::DefaultButton;
using runtime::Icon;
using runtime::MsgBoxResult;
using runtime::MsgBoxStyle;

struct EnterCase {
    const char* name;
    Buttons buttons;
    DefaultButton defaultButton;
    int styleValue;
    MsgBoxResult answer;
};

void PrintTo(const EnterCase& row, std::ostream* out) { *out << row.name; }

// What Enter chooses. A default beyond the last button falls on the last one.
const EnterCase enterCases[] = {
    {"OkOnly", Buttons::OkOnly, DefaultButton::First, 0, runtime::Ok},
    {"OkOnlySecond", Buttons::OkOnly, DefaultButton::Second, 256, runtime::Ok},
    {"OkOnlyThird", Buttons::OkOnly, DefaultButton::Third, 512, runtime::Ok},
    {"OkCancel", Buttons::OkCancel, DefaultButton::First, 1, runtime::Ok},
    {"OkCancelSecond", Buttons::OkCancel, DefaultButton::Second, 257, runtime::Cancel},
    {"OkCancelThird", Buttons::OkCancel, DefaultButton::Third, 513, runtime::Cancel},
    {"AbortRetryIgnore", Buttons::AbortRetryIgnore, DefaultButton::First, 2, runtime::Abort},
    {"AbortRetryIgnoreSecond", Buttons::AbortRetryIgnore, DefaultButton::Second, 258, runtime::Retry},
    {"AbortRetryIgnoreThird", Buttons::AbortRetryIgnore, DefaultButton::Third, 514, runtime::Ignore},
    {"YesNoCancel", Buttons::YesNoCancel, DefaultButton::First, 3, runtime::Yes},
    {"YesNoCancelSecond", Buttons::YesNoCancel, DefaultButton::Second, 259, runtime::No},
    {"YesNoCancelThird", Buttons::YesNoCancel, DefaultButton::Third, 515, runtime::Cancel},
    {"YesNo", Buttons::YesNo, DefaultButton::First, 4, runtime::Yes},
    {"YesNoSecond", Buttons::YesNo, DefaultButton::Second, 260, runtime::No},
    {"YesNoThird", Buttons::YesNo, DefaultButton::Third, 516, runtime::No},
    {"RetryCancel", Buttons::RetryCancel, DefaultButton::First, 5, runtime::Retry},
    {"RetryCancelSecond", Buttons::RetryCancel, DefaultButton::Second, 261, runtime::Cancel},
    {"RetryCancelThird", Buttons::RetryCancel, DefaultButton::Third, 517, runtime::Cancel},
};

class EnterOnAMessageBox : public ::testing::TestWithParam<EnterCase> {
protected:
    MsgBoxStyle style() const { return {GetParam().buttons, Icon::None, GetParam().defaultButton}; }
};

// Presses Enter on the box the real presenter has up, where the keyboard would send it:
// to the box's focused button, or the box itself when none has the focus. The press runs
// from the box's own event loop, which exec() enters only after showing it.
struct EnterPresser {
    QString seenText;
    bool closed = false;

    void arm()
    {
        QTimer::singleShot(0, qApp, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "no message box is up";
                return;
            }
            seenText = box->text();
            QWidget* target = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyClick(target, Qt::Key_Return);
            closed = !box->isVisible();
            if (!closed)
                box->reject();  // so that a box Enter leaves up fails the case instead of hanging it
        });
    }
};

TEST_P(EnterOnAMessageBox, ChoosesTheDefaultButton)
{
    ASSERT_EQ(style().value(), GetParam().styleValue);
    EnterPresser enter;
    enter.arm();
    const MsgBoxResult answer = runtime::msgBox("Go on?", style(), "Enter");
    EXPECT_EQ(enter.seenText, "Go on?");
    EXPECT_TRUE(enter.closed) << "Enter left the box up";
    EXPECT_EQ(answer, GetParam().answer);
}

TEST_P(EnterOnAMessageBox, IsWhatTheScriptedBoxAnswersUnscripted)
{
    runtime::testing::ScriptedMessages messages;
    EXPECT_EQ(runtime::msgBox("Go on?", style(), "Enter"), GetParam().answer);
    ASSERT_EQ(messages.shown().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Styles, EnterOnAMessageBox, ::testing::ValuesIn(enterCases),
                         [](const ::testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

}  // namespace

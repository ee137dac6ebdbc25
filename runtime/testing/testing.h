// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/control.h"
#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"
#include "runtime/forms/programend_p.h"

#include <deque>
#include <functional>
#include <vector>

// The runtime's test support, a library of its own that programs never link: scripted
// message boxes, driven time and a caught program end, each installed through the
// runtime's seam for it while the object lives. (A test gives a program a folder of its
// own with runtime::setProgramFolder.)
namespace runtime::testing {

// Records every message box instead of showing it, and answers as the test says:
// with the queued answers in order, then with each box's default button.
class ScriptedMessages : public MessagePresenter {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    void answerNext(MsgBoxResult answer) { answers_.push_back(answer); }

    // Runs while the box is "up", to look at the window behind it.
    std::function<void(const MessageBoxRequest&)> whileShown;

    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    void forget() { shown_.clear(); }

    MsgBoxResult present(const MessageBoxRequest& request) override;

private:
    std::deque<MsgBoxResult> answers_;
    std::vector<MessageBoxRequest> shown_;
};

// Stops real time for every timer; advance() moves it on and fires what falls due.
class DrivenTime {
public:
    DrivenTime();
    ~DrivenTime();
    void advance(long long milliseconds);
};

// Turns end() into a recorded event: the handler that called it stops, no handler runs
// after it while this object lives, the process goes on, and ended() tells that the
// program would have ended.
class CaughtProgramEnd : private ProgramEndCatcher {
public:
    CaughtProgramEnd();
    ~CaughtProgramEnd() override;
    CaughtProgramEnd(const CaughtProgramEnd&) = delete;
    CaughtProgramEnd& operator=(const CaughtProgramEnd&) = delete;

    bool ended() const { return ended_; }
    // The exit status the program would have ended with (0 for end()).
    int status() const { return status_; }

private:
    void programEnds(int status) override;
    bool hasEnded() const override { return ended_; }

    ProgramEndCatcher* previous_;
    bool ended_ = false;
    int status_ = 0;
};

// What a screen reader announces for the control: its name through the accessibility
// interface.
Text accessibleName(const Control& control);
// The name of the label that the accessibility interface relates to the control as its
// label, or the empty text.
Text labelledBy(const Control& control);

// The widgets that Tab gives the focus to, starting at the window's focus widget and
// pressed until the focus comes back to it (or 50 times): the keyboard-only way round
// the window. The window is made the active one first.
std::vector<QWidget*> tabCycle(QWidget* window);

}  // namespace runtime::testing

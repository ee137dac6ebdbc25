#pragma once

#include "runtime/forms/msgbox.h"

#include <deque>
#include <functional>
#include <vector>

// The runtime's test support: scripted message boxes, driven time, a caught program
// end and a program folder of the test's own. Programs never use it.
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
class CaughtProgramEnd {
public:
    CaughtProgramEnd();
    ~CaughtProgramEnd();
    bool ended() const;
    // The exit status the program would have ended with (0 for end()).
    int status() const;

private:
    bool wasCatching_;
};

// The folder that programFolder() reports; the empty text restores the real one.
void setProgramFolder(const Text& folder);

}  // namespace runtime::testing

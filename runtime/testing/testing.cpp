#include "runtime/testing/testing.h"

#include "runtime/forms/timerclock.h"
#include "runtime/testing/hooks.h"

#include <cstdio>
#include <cstdlib>

namespace runtime {
namespace {

Text testProgramFolder;
bool catchingProgramEnd = false;
bool programEnded = false;
int programEndStatus = 0;

MsgBoxResult defaultAnswer(const MsgBoxStyle& style)
{
    static constexpr MsgBoxResult buttons[][3] = {
        {Ok, Ok, Ok}, {Ok, Cancel, Cancel}, {Abort, Retry, Ignore},
        {Yes, No, Cancel}, {Yes, No, No}, {Retry, Cancel, Cancel},
    };
    return buttons[static_cast<int>(style.buttons)][static_cast<int>(style.defaultButton) / 256];
}

}  // namespace

namespace detail {

void endProgram(int status)
{
    if (catchingProgramEnd) {
        programEnded = true;
        programEndStatus = status;
        throw ProgramEnded{};
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

bool programHasEnded()
{
    return catchingProgramEnd && programEnded;
}

Text programFolderOverride()
{
    return testProgramFolder;
}

}  // namespace detail

namespace testing {

ScriptedMessages::ScriptedMessages()
{
    setMessagePresenter(this);
}

ScriptedMessages::~ScriptedMessages()
{
    setMessagePresenter(nullptr);
}

MsgBoxResult ScriptedMessages::present(const MessageBoxRequest& request)
{
    shown_.push_back(request);
    if (whileShown)
        whileShown(request);
    if (answers_.empty())
        return defaultAnswer(request.style);
    const MsgBoxResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

DrivenTime::DrivenTime()
{
    TimerClock::instance().setDriven(true);
}

DrivenTime::~DrivenTime()
{
    TimerClock::instance().setDriven(false);
}

void DrivenTime::advance(long long milliseconds)
{
    TimerClock::instance().advance(milliseconds);
}

CaughtProgramEnd::CaughtProgramEnd() : wasCatching_(catchingProgramEnd)
{
    catchingProgramEnd = true;
    programEnded = false;
    programEndStatus = 0;
}

CaughtProgramEnd::~CaughtProgramEnd()
{
    catchingProgramEnd = wasCatching_;
    programEnded = false;
}

bool CaughtProgramEnd::ended() const
{
    return programEnded;
}

int CaughtProgramEnd::status() const
{
    return programEndStatus;
}

void setProgramFolder(const Text& folder)
{
    testProgramFolder = folder;
}

}  // namespace testing
}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/testing/testing.h"

#include "runtime/forms/timerclock_p.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

namespace runtime::testing {

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
        return defaultAnswerOf(request.style);
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

CaughtProgramEnd::CaughtProgramEnd() : previous_(setProgramEndCatcher(this)) {}

CaughtProgramEnd::~CaughtProgramEnd()
{
    setProgramEndCatcher(previous_);
}

void CaughtProgramEnd::programEnds(int status)
{
    ended_ = true;
    status_ = status;
}

Text accessibleName(const Control& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control.widget());
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

Text labelledBy(const Control& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control.widget());
    if (!accessible)
        return {};
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? Text() : labels.front().first->text(QAccessible::Name);
}

std::vector<QWidget*> tabCycle(QWidget* window)
{
    QApplication::setActiveWindow(window);
    QWidget* start = window->focusWidget();
    std::vector<QWidget*> visited;
    for (int press = 0; start && press < 50; ++press) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &tab);
        visited.push_back(QApplication::focusWidget());
        if (visited.back() == start)
            break;
    }
    return visited;
}

}  // namespace runtime::testing

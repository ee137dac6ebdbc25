// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/timerclock_p.h"

#include "runtime/forms/timer.h"

#include <QTimer>

namespace runtime {

TimerClock& TimerClock::instance()
{
    static TimerClock clock;
    return clock;
}

void TimerClock::setDriven(bool driven)
{
    driven_ = driven;
    now_ = 0;
    for (Timer* timer : timers_)
        timer->restart();
}

void TimerClock::advance(long long milliseconds)
{
    const long long until = now_ + milliseconds;
    for (;;) {
        Timer* next = nullptr;
        for (Timer* timer : timers_) {
            const long long dueAt = timer->dueAt_;
            if (dueAt >= 0 && dueAt <= until && (!next || dueAt < next->dueAt_))
                next = timer;
        }
        if (!next)
            break;
        now_ = next->dueAt_;
        next->dueAt_ = now_ + next->interval_;
        next->Tick.raise();
    }
    now_ = until;
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/timer.h"

#include "runtime/forms/timerclock_p.h"

#include <QTimer>

namespace runtime {

// The real countdown, used unless a test drives time.
struct Timer::Countdown {
    QTimer timer;
};

Timer::Timer() : Control(nullptr), countdown_(std::make_unique<Countdown>())
{
    QObject::connect(&countdown_->timer, &QTimer::timeout, [this] { Tick.raise(); });
    TimerClock::instance().add(this);
}

Timer::~Timer()
{
    TimerClock::instance().remove(this);
}

void Timer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    restart();
}

void Timer::restart()
{
    countdown_->timer.stop();
    dueAt_ = -1;
    if (!enabled_ || interval_ <= 0)
        return;
    TimerClock& clock = TimerClock::instance();
    if (clock.isDriven())
        dueAt_ = clock.now() + interval_;
    else
        countdown_->timer.start(interval_);
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include <set>

namespace runtime {

class Timer;

// Knows every timer, so that a test can drive time instead of waiting for it.
class RUNTIME_PRIVATE_EXPORT TimerClock {
public:
    static TimerClock& instance();

    void add(Timer* timer) { timers_.insert(timer); }
    void remove(Timer* timer) { timers_.erase(timer); }

    bool isDriven() const { return driven_; }
    void setDriven(bool driven);
    long long now() const { return now_; }

    // Moves driven time on, firing every countdown that falls due on the way, in order.
    void advance(long long milliseconds);

private:
    std::set<Timer*> timers_;
    bool driven_ = false;
    long long now_ = 0;
};

}  // namespace runtime

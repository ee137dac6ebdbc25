// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

#include <memory>

namespace runtime {

/// Raises Tick every `interval` milliseconds while enabled, on the window thread.
/// Setting the interval or the enabled flag starts a new countdown; an interval of 0
/// never fires. A new timer is enabled with an interval of 0.
///
/// A timer is a control that is never shown: it has no widget, and its window stops it
/// when it unloads.
class RUNTIME_EXPORT Timer : public Control {
public:
    /// An enabled timer with an interval of 0, which does not fire until given one.
    Timer();
    ~Timer() override;

    /// The interval in milliseconds.
    int interval() const { return interval_; }
    /// Sets the interval and starts a new countdown; 0 or less stops the timer firing.
    void setInterval(int milliseconds);
    /// Whether the timer fires. It hides Control::enabled(), which a control without a
    /// widget always answers with true.
    bool enabled() const { return enabled_; }
    /// Starts a new countdown when `enabled`, else stops the timer firing.
    void setEnabled(bool enabled);

    /// The interval has passed since the countdown started or since the last Tick.
    Event<> Tick;

private:
    friend class TimerClock;
    void unload() override { setEnabled(false); }
    void restart();

    int interval_ = 0;
    bool enabled_ = true;
    long long dueAt_ = -1;  // when a test drives time: the driven time of the next Tick
    struct Countdown;
    std::unique_ptr<Countdown> countdown_;
};

}  // namespace runtime

#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"
#include "runtime/forms/event.h"

#include <memory>

namespace runtime {

// Raises Tick every `interval` milliseconds while enabled, on the window thread.
// Setting the interval or the enabled flag starts a new countdown; an interval of 0
// never fires. A new timer is enabled with an interval of 0.
class RUNTIME_EXPORT Timer : public Control {
public:
    Timer();
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

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

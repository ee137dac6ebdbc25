#pragma once

#include "runtime/runtime_export.h"

#include <functional>
#include <utility>

namespace runtime {

namespace detail {
// Runs one event handler at the event boundary: a RuntimeError that escapes it is shown
// in a message box and the program goes on; a program end stops every handler at once.
RUNTIME_EXPORT void runHandler(const std::function<void()>& handler);
}  // namespace detail

// An event of a control or form. The window binds one handler to it, a member function
// named control_Event; raising it runs that handler synchronously, before raise returns.
template <typename... Args>
class Event {
public:
    template <typename Owner>
    void bind(Owner* owner, void (Owner::*handler)(Args...))
    {
        handler_ = [owner, handler](Args... args) { (owner->*handler)(std::forward<Args>(args)...); };
    }

    void bind(std::function<void(Args...)> handler) { handler_ = std::move(handler); }

    bool isBound() const { return static_cast<bool>(handler_); }

    void raise(Args... args) const
    {
        if (handler_)
            detail::runHandler([&] { handler_(std::forward<Args>(args)...); });
    }

private:
    std::function<void(Args...)> handler_;
};

}  // namespace runtime

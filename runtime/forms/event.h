// SPDX-License-Identifier: LGPL-2.1-or-later
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

/// An event of a control or form. The window binds one handler to it, a member function
/// named control_Event; raising it runs that handler synchronously, before raise returns.
///
/// A handler's arguments are what the event carries; a reference argument (the key code
/// of KeyPress) lets the handler answer back through it.
template <typename... Args>
class Event {
public:
    /// Binds `handler`, a member function of `owner`, in place of any handler bound
    /// before: `load.Click.bind(this, &MainWindow::load_Click)`. The owner must live as
    /// long as the event can be raised: a window binds the events of its own controls.
    template <typename Owner>
    void bind(Owner* owner, void (Owner::*handler)(Args...))
    {
        handler_ = [owner, handler](Args... args) { (owner->*handler)(std::forward<Args>(args)...); };
    }

    /// Binds any callable in place of any handler bound before; an empty one unbinds.
    void bind(std::function<void(Args...)> handler) { handler_ = std::move(handler); }

    /// Whether a handler is bound.
    bool isBound() const { return static_cast<bool>(handler_); }

    /// Runs the bound handler with `args`; without one, does nothing. An error that
    /// escapes the handler ends it, not the program: a RuntimeError is shown in a message
    /// box with its number and text, std::bad_alloc as error 7 (out of memory), any other
    /// std::exception as error 51 (internal error), and raise returns. Once the program has
    /// ended (end()), no handler runs.
    void raise(Args... args) const
    {
        if (handler_)
            detail::runHandler([&] { handler_(std::forward<Args>(args)...); });
    }

private:
    std::function<void(Args...)> handler_;
};

}  // namespace runtime

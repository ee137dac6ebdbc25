// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

class Label;
class Timer;

/// What a status line's message is, which sets its colour.
enum class MessageKind {
    Information,  ///< Shown in black.
    Error         ///< Shown in red.
};

/// A window's status line: a label that shows the latest message, an error in red and
/// anything else in black, until the timer clears it five seconds later. The label and
/// the timer stay controls of the window's design, and the window binds the timer's Tick
/// to its own handler, which calls clear(): a status line only lends them its behaviour.
class RUNTIME_EXPORT StatusLine {
public:
    /// A status line on the window's `label` and `timer`, which must outlive it.
    StatusLine(Label& label, Timer& timer) : label_(label), timer_(timer) {}

    /// Shows `text` in the colour of its `kind`. A newer message replaces the one shown
    /// and starts the five seconds again.
    void show(const Text& text, MessageKind kind);
    /// Empties the label and stops the timer.
    void clear();

private:
    Label& label_;
    Timer& timer_;
};

}  // namespace runtime

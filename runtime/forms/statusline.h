#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

class Label;
class Timer;

enum class MessageKind { Information, Error };

// A window's status line: a label that shows the latest message, an error in red and
// anything else in black, until the timer clears it five seconds later. The label and
// the timer stay controls of the window's design, and the window binds the timer's Tick
// to its own handler, which calls clear(): a status line only lends them its behaviour.
class RUNTIME_EXPORT StatusLine {
public:
    StatusLine(Label& label, Timer& timer) : label_(label), timer_(timer) {}

    // A newer message replaces the one shown and starts the five seconds again.
    void show(const Text& text, MessageKind kind);
    void clear();

private:
    Label& label_;
    Timer& timer_;
};

}  // namespace runtime

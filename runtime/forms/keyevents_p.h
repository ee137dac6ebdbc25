// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdint>

// The toolkit's key and mouse events as the runtime's events report them (input.h).
namespace runtime::detail {

// The key code of KeyDown and KeyUp, or 0 for a key without one.
std::int16_t keyCodeOf(const QKeyEvent& event);
// The character code of KeyPress, or 0 for keys that raise no KeyPress: Tab, the arrows,
// Delete and the other keys that type nothing.
std::int16_t characterCodeOf(const QKeyEvent& event);
// A key press that types the character code `code`, as the keyboard would send it.
QKeyEvent keyEventFor(std::int16_t code);

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);
std::int16_t mouseButtonsOf(Qt::MouseButtons buttons);

}  // namespace runtime::detail

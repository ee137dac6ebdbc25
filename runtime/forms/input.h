// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <cstdint>

/// \file
/// The values that mouse and key events carry. They are 16-bit numbers, so that a control
/// can hand them on to its host through an event of its own.
namespace runtime {

/// The button of MouseDown and MouseUp; the buttons held down during MouseMove, added up.
namespace MouseButton {
inline constexpr std::int16_t Left = 1;    ///< The left button.
inline constexpr std::int16_t Right = 2;   ///< The right button.
inline constexpr std::int16_t Middle = 4;  ///< The middle button.
}  // namespace MouseButton

/// The shift state of mouse and key events: the modifier keys held down, added up.
namespace ShiftState {
inline constexpr std::int16_t Shift = 1;  ///< A Shift key.
inline constexpr std::int16_t Ctrl = 2;   ///< A Ctrl key.
inline constexpr std::int16_t Alt = 4;    ///< An Alt key.
}  // namespace ShiftState

/// The key codes of KeyDown and KeyUp: a letter key is its upper-case letter, a digit key
/// its digit, whatever the shift state; the other keys are numbered as below. A key without
/// a code here (a punctuation key) raises KeyPress only.
///
/// Backspace, Return and Escape are also the codes KeyPress carries for those keys.
namespace KeyCode {
inline constexpr std::int16_t Backspace = 8;  ///< Backspace.
inline constexpr std::int16_t Tab = 9;        ///< Tab, with or without Shift.
inline constexpr std::int16_t Return = 13;    ///< Enter, on the main keyboard or the keypad.
inline constexpr std::int16_t Shift = 16;     ///< A Shift key itself.
inline constexpr std::int16_t Ctrl = 17;      ///< A Ctrl key itself.
inline constexpr std::int16_t Alt = 18;       ///< An Alt key itself.
inline constexpr std::int16_t Escape = 27;    ///< Escape.
inline constexpr std::int16_t Space = 32;     ///< The space bar.
inline constexpr std::int16_t PageUp = 33;    ///< Page Up.
inline constexpr std::int16_t PageDown = 34;  ///< Page Down.
inline constexpr std::int16_t End = 35;       ///< End.
inline constexpr std::int16_t Home = 36;      ///< Home.
inline constexpr std::int16_t Left = 37;      ///< The left arrow.
inline constexpr std::int16_t Up = 38;        ///< The up arrow.
inline constexpr std::int16_t Right = 39;     ///< The right arrow.
inline constexpr std::int16_t Down = 40;      ///< The down arrow.
inline constexpr std::int16_t Insert = 45;    ///< Insert.
inline constexpr std::int16_t Delete = 46;    ///< Delete.
/// The code of the letter key `upperCase`, 'A' to 'Z': the letter itself.
inline constexpr std::int16_t letter(char upperCase) { return upperCase; }
/// The code of the digit key `value`, 0 to 9: '0' to '9'.
inline constexpr std::int16_t digit(int value) { return static_cast<std::int16_t>('0' + value); }
/// The code of the function key F`number`, F1 to F12: 112 to 123.
inline constexpr std::int16_t function(int number) { return static_cast<std::int16_t>(111 + number); }
}  // namespace KeyCode

}  // namespace runtime

#pragma once

#include <cstdint>

// The values that mouse and key events carry. They are 16-bit numbers, so that a control
// can hand them on to its host through an event of its own.
namespace runtime {

// The button of MouseDown and MouseUp; the buttons held down during MouseMove, added up.
namespace MouseButton {
inline constexpr std::int16_t Left = 1;
inline constexpr std::int16_t Right = 2;
inline constexpr std::int16_t Middle = 4;
}  // namespace MouseButton

// The shift state of mouse and key events: the modifier keys held down, added up.
namespace ShiftState {
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace ShiftState

// The key codes of KeyDown and KeyUp: a letter key is its upper-case letter, a digit key
// its digit, whatever the shift state; the other keys are numbered as below. A key without
// a code here (a punctuation key) raises KeyPress only.
namespace KeyCode {
inline constexpr std::int16_t Backspace = 8;
inline constexpr std::int16_t Tab = 9;
inline constexpr std::int16_t Return = 13;
inline constexpr std::int16_t Shift = 16;
inline constexpr std::int16_t Ctrl = 17;
inline constexpr std::int16_t Alt = 18;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Space = 32;
inline constexpr std::int16_t PageUp = 33;
inline constexpr std::int16_t PageDown = 34;
inline constexpr std::int16_t End = 35;
inline constexpr std::int16_t Home = 36;
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Down = 40;
inline constexpr std::int16_t Insert = 45;
inline constexpr std::int16_t Delete = 46;
inline constexpr std::int16_t letter(char upperCase) { return upperCase; }
inline constexpr std::int16_t digit(int value) { return static_cast<std::int16_t>('0' + value); }
// F1 to F12.
inline constexpr std::int16_t function(int number) { return static_cast<std::int16_t>(111 + number); }
}  // namespace KeyCode

}  // namespace runtime

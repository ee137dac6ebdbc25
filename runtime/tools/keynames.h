// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <Qt>

#include <optional>

namespace runtime::tools {

// How a script names keys, modifier keys and mouse buttons, in any case: "Left",
// "ctrl+home", "Shift+Tab", "Right". docs/controls.md lists them for the script's users.

// A key as a keyboard delivers it to a widget: the toolkit's key code, the modifiers held
// and the text it types, none for a key that types nothing (an arrow, F1).
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    Text text;
};

// A key after any modifiers, joined by '+' ("Ctrl+Shift+A"). The text follows the
// keyboard: a letter types itself, in upper case with Shift, and with Ctrl its control
// character (Ctrl+A types U+0001); Shift+Tab is the toolkit's Backtab, which types nothing;
// Enter is the keypad's. std::nullopt for a name of no key or modifier, with `fault`
// saying which and listing those there are.
std::optional<KeyStroke> keyStrokeOf(const Text& typed, Text& fault);

// What a mouse command names after its point: a button, Left unless named, then modifiers
// joined by '+' ("Right Shift+Ctrl", "Ctrl"). `words` are those after the point; a command
// whose button is not its choice (a move) takes modifiers alone.
struct MouseChord {
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
};
enum class ButtonWord { Taken, Refused };
std::optional<MouseChord> mouseChordOf(const QStringList& words, ButtonWord buttonWord, Text& fault);

// "Left", "Right" or "Middle".
Text buttonName(Qt::MouseButton button);

}  // namespace runtime::tools

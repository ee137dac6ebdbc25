// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/instance.h"

#include <functional>
#include <memory>

namespace runtime::tools {

// The test container of the command-line tool: hosts one control in a window off screen
// (ScriptHost) and runs a small script against it, one command a line, printing what each
// returns, every event as the control raises it and every message box it shows (answered
// with its default button). docs/controls.md ("The script notation") is its reference:
//
//   call <member> [<argument>...]   a method; prints  stdformat -> "(312) 447-1234"
//   get <member>                    a property
//   put <member> <value>            writes a property
//   resize <width> <height>         a new extent in twips; prints the extent it took
//   children                        each child's design name, place and size in twips
//   text <child>                    the text or caption of a child
//   focus <child>                   gives a child the focus
//   focused                         the design name of the child with the focus
//   type <text>                     key presses into the widget with the focus
//   key [<modifier>+...]<key>       one key, as Left, Ctrl+Home, Shift+Tab, Alt+F4, A, 7
//   mousedown <x> <y> [<button>] [<modifiers>]   the mouse at a point in twips from the
//   mousemove <x> <y> [<modifiers>]              control's top-left corner, on the widget
//   mouseup <x> <y> [<button>] [<modifiers>]     there or the one that took the press
//   dblclick <x> <y> [<button>] [<modifiers>]
//   click <child>                   a mouse click in the middle of a child
//   snapshot <file>                 a PNG of the control as drawn; prints the file and size
//   canunload                       what the library's DllCanUnloadNow says
//   destroy                         destroys the control; later calls report an error
//
// A member is its name or its identifier in hexadecimal (0x60030005 or &H60030005).
// Arguments are "text" (a quote doubled inside), whole numbers (Long; 12% is a Short),
// numbers with a point (Double), True, False and Empty. Blank lines and lines starting
// with ' or # are skipped. A line that cannot be done prints "line <n>: <why>".
class ScriptRunner {
public:
    using Print = std::function<void(const Text& line)>;

    ScriptRunner(std::shared_ptr<components::Instance> instance, Print print);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs every line; false when a line could not be understood (it says which and why,
    // and the lines after it still run).
    bool run(const Text& script);

private:
    struct Interpreter;
    std::unique_ptr<Interpreter> interpreter_;
};

// Reads a script file as UTF-8 text; raises a RuntimeError naming the file and what is
// wrong when it cannot be read, holds a NUL byte or is not valid UTF-8.
Text readScript(const Text& path);
// The same for a script that came from elsewhere (standard input), named `source`.
Text decodeScript(const QByteArray& bytes, const Text& source);

}  // namespace runtime::tools

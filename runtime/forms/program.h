// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <memory>

namespace runtime {

class Form;

/// The running program: its application object, its title (the default title of its
/// message boxes) and its event loop. Every program creates one in main().
class RUNTIME_EXPORT Program {
public:
    /// Starts the application on the command line `argc` and `argv` under `title`, with
    /// the runtime's default font, MS Sans Serif at 8 points. Without a display to show
    /// windows on (none of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY set) it says how
    /// to run the program and leaves the process with status 2.
    Program(int& argc, char** argv, const Text& title);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    /// Shows the start-up window and handles events until the last window has closed.
    /// Returns the status for main() to return, 0 once the last window has closed.
    int run(Form& startupForm);

    /// The title given to the program; the empty text when no Program runs (a control
    /// hosted by a program of another kind).
    static Text title();

private:
    struct Application;
    std::unique_ptr<Application> application_;
};

/// Ends the program at once: every window goes, no other handler runs, nothing is asked.
[[noreturn]] RUNTIME_EXPORT void end();

/// The folder of the program's data files, without a trailing separator: the
/// executable's when the user can write there, else the user's own folder for the
/// program, `$XDG_DATA_HOME/desktop-suite/<program>` (`~/.local/share/...` without
/// XDG_DATA_HOME), made on first use, unless setProgramFolder() named another. When that
/// folder cannot be made, used or filled, a message box says why, once, and the program
/// goes on.
RUNTIME_EXPORT Text programFolder();
/// Makes programFolder() report `folder`, for a harness that runs the program's windows
/// elsewhere than beside its executable (a test); the empty text restores the real one.
RUNTIME_EXPORT void setProgramFolder(const Text& folder);

/// The folder that is current for the process. Raises a RuntimeError, error 75
/// (RuntimeError::PathFileAccessError), when it has none any more (deleted while current).
RUNTIME_EXPORT Text currentFolder();

}  // namespace runtime

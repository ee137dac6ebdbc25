#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <memory>

namespace runtime {

class Form;

// The running program: its application object, its title (the default title of its
// message boxes) and its event loop. Every program creates one in main().
class RUNTIME_EXPORT Program {
public:
    Program(int& argc, char** argv, const Text& title);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start-up window and handles events until the last window has closed.
    int run(Form& startupForm);

    static Text title();

private:
    struct Application;
    std::unique_ptr<Application> application_;
};

// Ends the program at once: every window goes, no other handler runs, nothing is asked.
[[noreturn]] RUNTIME_EXPORT void end();

// The folder of the program's data files, without a trailing separator: the
// executable's when the user can write there, else the user's own folder for the
// program (DataFolder tells which, and makes it on first use), unless
// setProgramFolder() named another.
RUNTIME_EXPORT Text programFolder();
// Makes programFolder() report `folder`, for a harness that runs the program's windows
// elsewhere than beside its executable (a test); the empty text restores the real one.
RUNTIME_EXPORT void setProgramFolder(const Text& folder);

// The folder that is current for the process. Raises a RuntimeError when it has none
// any more (deleted while current).
RUNTIME_EXPORT Text currentFolder();

}  // namespace runtime

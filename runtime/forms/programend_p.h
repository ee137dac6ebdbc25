// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

namespace runtime {

// Takes the program's end in place of the process, for a harness that must go on after
// end() (a test). While one is installed, end() tells it and throws ProgramEnded, which
// the event boundary stops; once it says the program has ended, no handler runs any more,
// as none would in a program that has ended.
class ProgramEndCatcher {
public:
    virtual ~ProgramEndCatcher() = default;
    virtual void programEnds(int status) = 0;
    virtual bool hasEnded() const = 0;
};

// Installs `catcher` (nullptr: end() leaves the process again); returns the one before.
RUNTIME_PRIVATE_EXPORT ProgramEndCatcher* setProgramEndCatcher(ProgramEndCatcher* catcher);

namespace detail {

// Thrown by end() while a ProgramEndCatcher is installed.
struct ProgramEnded {};

// Ends the process with `status` (0 for an ordinary end), or hands the end to the
// installed catcher and throws ProgramEnded.
[[noreturn]] RUNTIME_PRIVATE_EXPORT void endProgram(int status = 0);

// Whether an installed catcher has taken the program's end.
bool programHasEnded();

}  // namespace detail
}  // namespace runtime

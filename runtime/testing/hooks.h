#pragma once

#include "runtime/base/text.h"

namespace runtime::detail {

// Thrown by end() while a test catches the program's end instead of leaving the process.
struct ProgramEnded {};

// Ends the process with `status` (0 for an ordinary end), or throws ProgramEnded when a
// test catches the program's end.
[[noreturn]] void endProgram(int status = 0);

// Whether a test has caught the program's end (and catches it still).
bool programHasEnded();

// The program folder a test has set, or the empty text.
Text programFolderOverride();

}  // namespace runtime::detail

#pragma once

#include "runtime/base/text.h"

namespace runtime::detail {

// Thrown by end() while a test catches the program's end instead of leaving the process.
struct ProgramEnded {};

[[noreturn]] void endProgram();

// The program folder a test has set, or the empty text.
Text programFolderOverride();

}  // namespace runtime::detail

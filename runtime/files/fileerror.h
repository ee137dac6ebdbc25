#pragma once

#include "runtime/base/text.h"

namespace runtime {

// A failed operation on a file, as a value: the runtime's number for that kind of
// failure (a full disk, a permission, a missing file, any other) and the reason in
// words, the system's own where the system numbered it. Empty when nothing failed.
struct FileFailure {
    int number = 0;
    Text reason;

    static FileFailure ofSystem(int error);
    explicit operator bool() const { return number != 0; }
};

// Raises the RuntimeError "Cannot <doing> <path>: <reason>" for a failure.
[[noreturn]] void raiseFileError(const Text& doing, const Text& path, const FileFailure& failure);
[[noreturn]] void raiseFileError(const Text& doing, const Text& path, int systemError);

}  // namespace runtime

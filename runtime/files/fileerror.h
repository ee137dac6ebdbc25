#pragma once

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

// A failed operation on a file, as a value: the runtime's number for that kind of
// failure (a full disk, a permission, a missing file, any other) and the reason in
// words, the system's own where the system numbered it. Empty when nothing failed.
struct RUNTIME_EXPORT FileFailure {
    int number = 0;
    Text reason;

    static FileFailure ofSystem(int error);
    explicit operator bool() const { return number != 0; }
};

// Raises the RuntimeError "Cannot <doing> <path>: <reason>" for a failure.
[[noreturn]] RUNTIME_EXPORT void raiseFileError(const Text& doing, const Text& path, const FileFailure& failure);
[[noreturn]] RUNTIME_EXPORT void raiseFileError(const Text& doing, const Text& path, int systemError);

}  // namespace runtime

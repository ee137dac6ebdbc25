// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// FileFailure, a failed operation on a file as a value, and the functions that raise one.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

namespace runtime {

/// A failed operation on a file, as a value: the runtime's number for that kind of
/// failure (a full disk, a permission, a missing file, any other) and the reason in
/// words, the system's own where the system numbered it. Empty when nothing failed.
struct RUNTIME_EXPORT FileFailure {
    int number = 0;  ///< A RuntimeError::Number; 0 when nothing failed.
    Text reason;     ///< Why, in words: "No space left on device".

    /// The failure that the system's error number `error` (an errno) stands for:
    /// DiskFull, PermissionDenied, FileNotFound or else PathFileAccessError, with the
    /// system's text for it.
    static FileFailure ofSystem(int error);
    /// True when something failed.
    explicit operator bool() const { return number != 0; }
};

/// Raises the RuntimeError `"Cannot <doing> <path>: <reason>"` for a failure.
[[noreturn]] RUNTIME_EXPORT void raiseFileError(const Text& doing, const Text& path, const FileFailure& failure);
/// Raises the RuntimeError for the failure that the system's error number `systemError`
/// stands for (FileFailure::ofSystem()).
[[noreturn]] RUNTIME_EXPORT void raiseFileError(const Text& doing, const Text& path, int systemError);

}  // namespace runtime

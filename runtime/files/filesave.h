// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// saveFile(): a file's contents replaced whole, or not at all.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"
#include "runtime/files/fileerror.h"

#include <QByteArray>

#include <sys/types.h>

namespace runtime {

/// How saveFile() treats the file it replaces and the one it creates.
struct SaveRules {
    /// The permissions of a file the save creates, less the umask; a file that is
    /// replaced keeps its own mode bits, and its owner and group where the caller may
    /// give them.
    mode_t newFileMode = 0666;
    /// When the folder has no room for a temporary file (the user may not write there),
    /// or the file is another user's that the caller may write but not give back, a
    /// writable file may be rewritten where it stands, as editors do; a device is then
    /// written as it is. Without this, the first fails and changes nothing, and the
    /// second replaces the file, which then belongs to the caller.
    bool mayWriteInPlace = true;
};

/// Makes `bytes` the whole contents of the file at `path`, or tells why it could not and
/// leaves the file as it was. The bytes go to a new file beside it, which is flushed to
/// the disk and checked before it takes the file's name, so a failure at any step, the
/// last write or the close included, never leaves a short file behind. A symbolic link
/// keeps pointing at its file, which is the one replaced.
[[nodiscard]] RUNTIME_EXPORT FileFailure saveFile(const Text& path, const QByteArray& bytes, const SaveRules& rules = {});

/// Writes every byte, going on after a write the system cut short; false, with errno
/// set, when a write fails.
RUNTIME_EXPORT bool writeAll(int descriptor, QByteArrayView bytes);

}  // namespace runtime

#pragma once

#include "runtime/base/text.h"

namespace runtime::components {

// Why the file at `path` cannot be trusted to hold code or registrations, or the empty
// text when it can: the path is relative, nothing is there, it is not an ordinary file,
// or another user could change it: it (or, through a symlink, what it points to) is
// owned by another user than the caller or root, is writable by others or by a group
// that is not the caller's own private group, or lies in a folder that others can
// write to (unless that folder is sticky, as /tmp is, which keeps them from replacing it).
Text untrustedReason(const Text& path);

// The same for a folder that is to hold the catalogue.
Text untrustedFolderReason(const Text& path);

}  // namespace runtime::components

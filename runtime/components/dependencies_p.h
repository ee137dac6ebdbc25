// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/base/text.h"
#include "runtime/files/trust_p.h"

#include <vector>

namespace runtime::components {

// The libraries a control library needs that this process has not loaded yet, and those
// they need in turn: each found where the system's loader would look for it ($ORIGIN as
// the folder of the file that needs it, DT_RPATH, LD_LIBRARY_PATH, DT_RUNPATH, the
// loader's cache, the system's folders), then opened and checked as the control library
// itself was (CheckedPath).
//
// Loaded by their descriptors before the library, each is already known to the loader by
// its name when the library asks for it, so that the loader looks in no folder for it:
// no file but these checked ones is mapped.
struct Dependencies {
    // In the order they are to be loaded: each after the libraries it needs.
    std::vector<CheckedPath> files;
    // Why the library must not be loaded ("/x/libsample.so needs libhelper.so, which is
    // refused: ..."), empty when it may.
    Text refusal;
};

Dependencies checkDependencies(const CheckedPath& library);

// The path the loader's cache (/etc/ld.so.cache) gives for a library of this machine
// known by `name` ("libacl.so.1"), or nothing when it names none.
RUNTIME_PRIVATE_EXPORT QByteArray cachedLibraryPath(const QByteArray& name);

}  // namespace runtime::components

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/server.h"

/// \file
/// The four entry points of a control library, written once for every library.

/// Defines the four functions a control library exports by name, `DllRegisterServer`,
/// `DllUnregisterServer`, `DllGetClassObject` and `DllCanUnloadNow`, each of which hands its
/// call with \a library to the function of the runtime's server that does the work
/// (runtime::components::registerServer and the others of server.h). Written once, at
/// namespace scope, in one source file of the library:
///
/// \code
/// constexpr LibraryDescriptor library = {
///     .name = "tesk",
///     .id = "{c4103ba4-a1c1-463e-9f76-478c513dbd75}",
///     .description = "TXM417 Tesk Phone Control",
///     .classes = classes,
/// };
/// COMPONENT_LIBRARY_ENTRY_POINTS(library)
/// \endcode
///
/// \a library names a runtime::components::LibraryDescriptor that lives as long as the
/// library. A descriptor that leaves out its `runtimeVersion`, as above, is stamped with
/// runtime::components::componentVersion of the runtime headers it is compiled with, so a
/// library rebuilt against a newer runtime claims that runtime's version.
#define COMPONENT_LIBRARY_ENTRY_POINTS(library)                                                                       \
    COMPONENT_ENTRY_POINT int DllRegisterServer()                                                                     \
    {                                                                                                                 \
        return ::runtime::components::registerServer(library);                                                        \
    }                                                                                                                 \
    COMPONENT_ENTRY_POINT int DllUnregisterServer()                                                                   \
    {                                                                                                                 \
        return ::runtime::components::unregisterServer(library);                                                      \
    }                                                                                                                 \
    COMPONENT_ENTRY_POINT int DllGetClassObject(const QUuid* classId, ::runtime::components::ClassFactory** factory)  \
    {                                                                                                                 \
        return ::runtime::components::getClassObject(library, classId, factory);                                      \
    }                                                                                                                 \
    COMPONENT_ENTRY_POINT int DllCanUnloadNow()                                                                       \
    {                                                                                                                 \
        return ::runtime::components::canUnloadNow(library);                                                          \
    }

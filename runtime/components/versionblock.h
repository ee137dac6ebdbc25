// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// The version block of a control library, read from the file without loading it.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"

#include <QObject>

namespace runtime::components {

/// The version block of a control library: the self-registration mark, the library's
/// description, its classes and the component version it was built for. It is embedded
/// as the library's plugin metadata, so that it is read from the file without running
/// any of the library's code. suite_add_control_library declares it from the library's
/// METADATA, in a source file of its own that it generates:
///
///     class LibraryVersion : public runtime::components::VersionBlockCarrier {
///         Q_OBJECT
///         Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "tesk.json")
///     };
///
/// with tesk.json:
///
///     {"OLESelfRegister": "", "library": "tesk",
///      "description": "TXM417 Tesk Phone Control", "classes": ["tesk.phonectrl"], "runtimeVersion": 1}
struct VersionBlock {
    bool selfRegistering = false;  ///< carries the "OLESelfRegister" entry
    Text library;                  ///< The library's name, "tesk".
    Text description;              ///< The library's description.
    QStringList classes;           ///< The class identifier of each of its classes.
    int runtimeVersion = 0;        ///< The component version the library was built for.
};

/// The interface identifier (IID) that a library's plugin metadata names.
inline constexpr char versionBlockInterface[] = "suite.runtime.ControlLibrary";

/// The class that carries the metadata; it is never instantiated by the runtime.
class VersionBlockCarrier : public QObject {
public:
    using QObject::QObject;
};

/// Reads the version block of the library file open as `descriptor` (named `path` in
/// errors) without loading it: from the ELF note in which the toolkit's metadata macro
/// stores it. Raises a RuntimeError when the file is no control library (no shared library
/// of this machine, no version block, another kind of plugin, no self-registration mark)
/// or its block is malformed.
RUNTIME_EXPORT VersionBlock readVersionBlock(int descriptor, const Text& path);
/// The same for the file at `path`, opened for the reading alone.
RUNTIME_EXPORT VersionBlock readVersionBlock(const Text& path);

}  // namespace runtime::components

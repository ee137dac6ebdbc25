// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// The runtime's generic component server. A control library exports four functions by
/// name and hands each call, with its own static descriptor, to the function of the same
/// name here, which does the work. COMPONENT_LIBRARY_ENTRY_POINTS (library.h) writes
/// them all:
///
///     COMPONENT_ENTRY_POINT int DllRegisterServer() { return components::registerServer(library); }
///     COMPONENT_ENTRY_POINT int DllUnregisterServer() { return components::unregisterServer(library); }
///     COMPONENT_ENTRY_POINT int DllGetClassObject(const QUuid* classId, components::ClassFactory** factory)
///     { return components::getClassObject(library, classId, factory); }
///     COMPONENT_ENTRY_POINT int DllCanUnloadNow() { return components::canUnloadNow(library); }

#include "runtime/runtime_export.h"

#include "runtime/components/typeinfo.h"

#include <atomic>
#include <memory>

/// Marks one of a control library's four entry points: exported by its C name, which the
/// runtime looks the function up by, whatever the library's own visibility.
#define COMPONENT_ENTRY_POINT extern "C" __attribute__((visibility("default")))

namespace runtime::components {

/// What the entry points return: Ok, or for DllCanUnloadNow No when the library is still
/// in use; a failure is negative, and lastError() on the same thread says what went wrong.
enum Status : int {
    Ok = 0,                  ///< Done; for DllCanUnloadNow, nothing of the library is in use.
    No = 1,                  ///< DllCanUnloadNow: the library is still in use.
    Failed = -1,             ///< The call failed; lastError() says why.
    ClassNotAvailable = -2,  ///< DllGetClassObject: the library has no class of that identifier.
    WrongThread = -3,        ///< A call off the window thread, which alone may use the instances.
};

/// The text of the last failure of an entry point on this thread.
RUNTIME_EXPORT Text lastError();

/// Live instances, factories and locks of one library: while any is alive the library
/// must stay loaded.
struct ServerState {
    std::atomic<int> liveObjects = 0;  ///< Instances and factories alive.
    std::atomic<int> locks = 0;        ///< Locks that factories hold (ClassFactory::lockServer).
};

/// Makes instances of one class of a library. Owned by whoever asked for it; the library
/// counts it as in use until it is deleted.
class RUNTIME_EXPORT ClassFactory {
public:
    /// A factory for `type`, a class of `library`; the library counts it as a live object.
    ClassFactory(const LibraryDescriptor& library, const ClassDescriptor& type);
    /// Gives back the factory's locks and its count as a live object.
    ~ClassFactory();
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    /// The library of the class.
    const LibraryDescriptor& library() const { return library_; }
    /// The class it makes instances of.
    const ClassDescriptor& type() const { return type_; }

    /// A new instance, initialized; nullptr off the window thread (the class's threading
    /// model), with lastError() saying so.
    std::unique_ptr<UserControl> createInstance();

    /// Keeps the library loaded without an instance, as a host that will create more does.
    /// True takes a lock, false gives one back.
    void lockServer(bool lock);

private:
    const LibraryDescriptor& library_;
    const ClassDescriptor& type_;
    ServerState& state_;
    int locks_ = 0;
};

/// DllRegisterServer: records every class of the library in the user's catalogue, under
/// its class identifier, with the library's path and type information. Registering again
/// leaves one entry per class.
RUNTIME_EXPORT int registerServer(const LibraryDescriptor& library);
/// DllUnregisterServer: removes exactly the library's classes from the catalogue.
RUNTIME_EXPORT int unregisterServer(const LibraryDescriptor& library);
/// DllGetClassObject: a new factory for the class `classId` into *factory.
RUNTIME_EXPORT int getClassObject(const LibraryDescriptor& library, const QUuid* classId, ClassFactory** factory);
/// DllCanUnloadNow: Ok when no instance, factory or lock of the library is alive, else No.
RUNTIME_EXPORT int canUnloadNow(const LibraryDescriptor& library);

/// Takes one from the library's count of live objects; for the runtime's UserControl.
RUNTIME_EXPORT void objectReleased(ServerState& state);

/// The absolute path of the loaded library that holds `address`; the empty text for none.
RUNTIME_EXPORT Text libraryPathOf(const void* address);

/// Whether the caller runs on the window thread (the one of the application object).
RUNTIME_EXPORT bool onWindowThread();

}  // namespace runtime::components

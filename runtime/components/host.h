#pragma once

#include "runtime/components/instance.h"

#include <memory>

namespace runtime::components {

// Creates a control by its class identifier ("tesk.phonectrl"): finds the class in the
// user's catalogue, checks the library file before any of its code runs (an absolute
// path that no other user can change, a version block with the self-registration mark
// that names this class and no newer runtime), loads it, asks its factory for an
// instance and connects the control's events to the handle. Raises a RuntimeError that
// names the class identifier and the reason when any of it fails.
std::shared_ptr<Instance> createInstance(const Text& classIdentifier, const Text& cataloguePath = {});

// Lets go of the loaded control libraries that no handle holds and that report, through
// DllCanUnloadNow, that nothing of theirs is in use; returns how many went. (The toolkit
// keeps a library mapped once its metadata has been read, so its code may stay in memory.)
int freeUnusedLibraries();

// A control library loaded by its path, with its four entry points.
class LoadedLibrary {
public:
    // Checks the file as createInstance does (without the class), then loads it.
    // Raises a RuntimeError when the file is refused or has not the four entry points.
    static std::shared_ptr<LoadedLibrary> load(const Text& path);

    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    Text path() const { return path_; }
    int registerServer() const { return register_(); }
    int unregisterServer() const { return unregister_(); }
    int getClassObject(const QUuid& classId, ClassFactory** factory) const { return getClassObject_(&classId, factory); }
    int canUnloadNow() const { return canUnloadNow_(); }

private:
    struct Handle;
    explicit LoadedLibrary(const Text& path);

    Text path_;
    std::unique_ptr<Handle> handle_;
    int (*register_)() = nullptr;
    int (*unregister_)() = nullptr;
    int (*getClassObject_)(const QUuid*, ClassFactory**) = nullptr;
    int (*canUnloadNow_)() = nullptr;
};

// Why the library file at `path` must not be loaded, checked from the file alone: as
// for createInstance, with `classIdentifier` among the classes of its version block
// when one is given. The empty text when it may be loaded.
Text libraryRefusal(const Text& path, const Text& classIdentifier = {});

}  // namespace runtime::components

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/components/catalogue_p.h"
#include "runtime/components/instance.h"
#include "runtime/components/versionblock.h"
#include "runtime/files/trust_p.h"

#include <memory>
#include <vector>

namespace runtime::components {

// Creates a control by its class identifier ("tesk.phonectrl"): finds the class as
// findClass does, loads the very library file that was checked, asks its factory for an
// instance and connects the control's events to the handle. Raises a RuntimeError that
// names the class identifier and the reason when any of it fails. When an entry was passed
// over for a refusal, that is said once on standard error, as the control still comes up.
RUNTIME_PRIVATE_EXPORT std::shared_ptr<Instance> createInstance(const Text& classIdentifier);

// Lets go of the loaded control libraries that no handle holds and that report, through
// DllCanUnloadNow, that nothing of theirs is in use; returns how many went. (The system
// may keep a library of C++ code mapped all the same.)
RUNTIME_PRIVATE_EXPORT int freeUnusedLibraries();

// A control library file opened and checked as a host checks it before loading it: its
// whole path (CheckedPath), then its version block, read from the open file, then the
// libraries it needs that are not loaded yet (checkDependencies).
struct CheckedLibrary {
    CheckedPath file;
    VersionBlock version;
    std::vector<CheckedPath> dependencies;  // to be loaded before it, in this order
    Text refusal;  // why it must not be loaded; empty when it may
};

// `classIdentifier`, when given, must be among the classes of the version block.
RUNTIME_PRIVATE_EXPORT CheckedLibrary checkLibrary(const Text& path, const Text& classIdentifier = {});

// Where a class was found, and its library file opened and checked.
struct FoundClass {
    CatalogueEntry entry;
    CataloguePlace place;
    CheckedLibrary library;
    // Why the entries of the class looked at before it were not used.
    QStringList passedOver;
    // Why the catalogues looked in before it could not be read at all: the same for every
    // class.
    QStringList unusableCatalogues;
};

// "the user's catalogue <path>" or "the system catalogue <path>".
Text placeName(const CataloguePlace& place);

// Finds the class in the catalogues of `places`, in turn: the first entry whose catalogue
// can be trusted and whose library file passes checkLibrary (an absolute path that no other
// user can change, a version block with the self-registration mark that names this class
// and no newer runtime) is the one used; so the user's own entry outranks the system's
// unless it is refused. Raises a RuntimeError that gives every refusal when none is usable.
RUNTIME_PRIVATE_EXPORT FoundClass findClass(const Text& classIdentifier, const std::vector<CataloguePlace>& places = Catalogue::searchOrder());

// The command that would make the first refused library of the class one a host loads,
// where a change of owner or mode of its file or a folder would (chmod o-w /opt/controls);
// empty when registering it is the fix: the class is not registered, its library is gone,
// or it is refused for what no such command mends.
Text fixFor(const Text& classIdentifier);

// A control library loaded from the file that was checked, with its four entry points.
// A file already loaded (the same file, by whichever path) is not loaded twice.
class RUNTIME_PRIVATE_EXPORT LoadedLibrary {
public:
    // Checks the file as checkLibrary does, then loads exactly the file it checked, and
    // the libraries it needs that it checked, with no search of other names or folders. Raises a RuntimeError when the file is refused
    // or has not the four entry points.
    static std::shared_ptr<LoadedLibrary> load(const Text& path, const Text& classIdentifier = {});
    // Loads the files that `checked` holds open, whatever their paths name by now.
    static std::shared_ptr<LoadedLibrary> load(CheckedLibrary checked);

    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    Text path() const { return file_.path(); }
    // The file the code was loaded from, held open while the library is.
    const CheckedPath& file() const { return file_; }
    int registerServer() const { return register_(); }
    int unregisterServer() const { return unregister_(); }
    int getClassObject(const QUuid& classId, ClassFactory** factory) const { return getClassObject_(&classId, factory); }
    int canUnloadNow() const { return canUnloadNow_(); }

private:
    explicit LoadedLibrary(CheckedPath file);

    CheckedPath file_;
    // The libraries loaded for it, which go when it goes unless another holds them.
    std::vector<CheckedPath> dependencies_;
    void* code_ = nullptr;
    int (*register_)() = nullptr;
    int (*unregister_)() = nullptr;
    int (*getClassObject_)(const QUuid*, ClassFactory**) = nullptr;
    int (*canUnloadNow_)() = nullptr;
};

}  // namespace runtime::components

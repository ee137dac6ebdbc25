// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/components/typeinfo.h"

#include <QJsonObject>
#include <QStringList>

#include <functional>
#include <vector>

namespace runtime::components {

// One registered class: its type information and the absolute path of its library.
struct CatalogueEntry {
    ClassInfo type;
    Text library;
};

// Whose a catalogue is: the user's own, or one installed with the suite for every user.
enum class CatalogueScope { User, System };

// A catalogue file that hosts look in.
struct CataloguePlace {
    Text path;
    CatalogueScope scope;
    // Why nothing here may be read (a folder of fragments that another user could change);
    // empty when the file may be.
    Text refusal;
};

// The per-user catalogue of registered control classes, by class identifier: a small
// JSON file in the suite's folder of the user's data home
// ($XDG_DATA_HOME/desktop-suite/controls.json). One left in the former place
// ($XDG_DATA_HOME/suite-runtime/controls.json) is read until the first change moves it.
//
// System catalogues in the same format list the controls installed for every user,
// readable by every user and written by root only. In the suite's folder of each system
// data folder ($XDG_DATA_DIRS, by default /usr/local/share:/usr/share) hosts read every
// fragment, controls.d/*.json, by name in byte order, then the single file controls.json:
// each package that installs controls writes a fragment of its own, so none edits
// another's. A fragment is held to the same rules as any catalogue, and so is its
// folder: one that another user could change is refused, fragments and all.
//
// It is read whole and written whole, to a temporary file that replaces it only when
// complete, readable by its owner only (a system catalogue by every user). A catalogue that can't be read, is damaged, is a
// symbolic link, or that another user could change (CheckedPath: any folder on its path
// included) is refused with a RuntimeError that says so; nothing
// is then written, so a damaged catalogue is never replaced by one holding less.
// Entries this runtime does not understand survive a change of the others.
class RUNTIME_PRIVATE_EXPORT Catalogue {
public:
    // The user's catalogue file, and where it was kept before.
    static Text userPath();
    static Text formerUserPath();
    // The suite's folder of each system data folder, in the order hosts look in them.
    static QStringList systemFolders();
    // The single catalogue file of each system folder.
    static QStringList systemPaths();
    // Where hosts look for a class: the user's catalogue first, then, for each system
    // folder, its fragments and its single file.
    static std::vector<CataloguePlace> searchOrder();
    // Every file and folder that searchOrder() looks in, whether it is there or not.
    static QStringList searchedPaths();

    // The catalogue that reads, updates and registrations change when given no path: the
    // user's, unless a SystemRegistration sends them elsewhere.
    static Text defaultPath();

    // The catalogue at `path`; the empty catalogue when there is no file yet.
    static Catalogue read(const Text& path = defaultPath());
    // The catalogue of a place; raises its refusal, when it has one.
    static Catalogue read(const CataloguePlace& place);

    // Reads the catalogue, lets `change` alter it and writes it back, holding a lock
    // beside it so that two registrations at once do not lose one another.
    static void update(const std::function<void(Catalogue&)>& change, const Text& path = defaultPath());

    // Sorted by class identifier.
    std::vector<CatalogueEntry> entries() const;
    // The entry of a class identifier; raises a RuntimeError when none is registered.
    CatalogueEntry find(const Text& classIdentifier) const;
    bool contains(const Text& classIdentifier) const;

    // Adds the entry, replacing one of the same class identifier.
    void add(const CatalogueEntry& entry);
    // Removes the entries that `matches`; returns how many went.
    int remove(const std::function<bool(const CatalogueEntry&)>& matches);

    // Writes the catalogue to `path` atomically.
    void write(const Text& path = defaultPath()) const;

private:
    explicit Catalogue(const Text& path) : path_(path) {}
    CatalogueEntry entryOf(const Text& classIdentifier) const;

    Text path_;
    QJsonObject classes_;  // class identifier -> entry, as in the file
};

// Sends the registrations of this thread to the system catalogue (or fragment) at `path`
// while it lives: a library's DllRegisterServer, which takes no arguments, then writes
// there instead of into the user's catalogue, readable by every user.
class RUNTIME_PRIVATE_EXPORT SystemRegistration {
public:
    explicit SystemRegistration(const Text& path);
    ~SystemRegistration();
    SystemRegistration(const SystemRegistration&) = delete;
    SystemRegistration& operator=(const SystemRegistration&) = delete;

private:
    Text previous_;
};

}  // namespace runtime::components

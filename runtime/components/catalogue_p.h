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
};

// The per-user catalogue of registered control classes, by class identifier: a small
// JSON file in the user's data folder ($XDG_DATA_HOME/suite-runtime/controls.json).
// System catalogues in the same format list the controls installed with the suite, one
// in the suite's folder of each system data folder ($XDG_DATA_DIRS, by default
// /usr/local/share:/usr/share), readable by every user and written by root only.
//
// It is read whole and written whole, to a temporary file that replaces it only when
// complete, readable by its owner only (a system catalogue by every user). A catalogue that can't be read, is damaged, is a
// symbolic link, or that another user could change (CheckedPath: any folder on its path
// included) is refused with a RuntimeError that says so; nothing
// is then written, so a damaged catalogue is never replaced by one holding less.
// Entries this runtime does not understand survive a change of the others.
class RUNTIME_PRIVATE_EXPORT Catalogue {
public:
    // The user's catalogue file.
    static Text userPath();
    // The system catalogue of each system data folder, in the order hosts look in them.
    static QStringList systemPaths();
    // Where hosts look for a class: the user's catalogue first, then the system ones.
    static std::vector<CataloguePlace> searchOrder();

    // The catalogue that reads, updates and registrations change when given no path: the
    // user's, unless a system catalogue is being written (`controls register --system`).
    static Text defaultPath();
    // Sends registrations to the system catalogue at `path` for the rest of the process.
    static void registerIntoSystemCatalogue(const Text& path);

    // The catalogue at `path`; the empty catalogue when there is no file yet.
    static Catalogue read(const Text& path = defaultPath());

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

}  // namespace runtime::components

#include "runtime/tools/commands.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue_p.h"
#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/components/versionblock.h"
#include "runtime/files/trust_p.h"
#include "runtime/tools/classchooser.h"
#include "runtime/tools/notation.h"
#include "runtime/tools/script.h"
#include "runtime/tools/tryout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <map>
#include <set>

namespace runtime::tools {
namespace {

using components::Catalogue;
using components::CatalogueEntry;
using components::CataloguePlace;
using components::CatalogueScope;

const Text usage = QStringLiteral(
    "usage: controls register <library or folder>...\n"
    "       controls register --system [--catalogue <file>] [--staged <folder>] <library or folder>...\n"
    "       controls unregister <library>...\n"
    "       controls list\n"
    "       controls describe <class identifier>\n"
    "       controls script <class identifier> [<script file>]\n"
    "       controls try [<class identifier>]");

std::set<std::pair<Text, Text>> registrations()
{
    std::set<std::pair<Text, Text>> all;
    for (const CatalogueEntry& entry : Catalogue::read().entries())
        all.emplace(entry.type.identifier, entry.library);
    return all;
}

// Reports the classes that left the catalogue.
void reportRemoved(const std::set<std::pair<Text, Text>>& before, const std::set<std::pair<Text, Text>>& after,
                   const Output& output)
{
    for (const auto& [identifier, library] : before) {
        if (!after.contains({identifier, library}))
            output.out(QStringLiteral("Unregistered %1 (%2)").arg(identifier, library));
    }
}

// Reports the classes the catalogue now holds for a library.
void reportRegistered(const Text& library, const Output& output)
{
    for (const auto& [identifier, registeredLibrary] : registrations()) {
        if (registeredLibrary == library)
            output.out(QStringLiteral("Registered %1 (%2)").arg(identifier, library));
    }
}

// Where the files being registered were staged for an installation: the staging folder
// that a package or an install under DESTDIR puts them in, which is no part of the paths
// they will have once installed. Empty when they are registered where they lie.
Text& stagingFolder()
{
    static Text folder;
    return folder;
}

// The path a registered library is recorded under: where it lies, or where it will lie
// once its staged installation is put in place.
Text recordedPath(const Text& library)
{
    const Text staging = stagingFolder();
    return staging.isEmpty() ? library : library.mid(staging.size());
}

// A staged library is registered where it lies (only a file there can be checked and
// loaded), then its entries are moved to the path it will have.
void recordInstalledPath(const Text& library)
{
    if (stagingFolder().isEmpty())
        return;
    Catalogue::update([&](Catalogue& catalogue) {
        for (CatalogueEntry entry : catalogue.entries()) {
            if (entry.library == library) {
                entry.library = recordedPath(library);
                catalogue.add(entry);
            }
        }
    });
}

// The control libraries of a folder, and why names in it that lead to no file a host would
// trust were refused.
struct FolderLibraries {
    QStringList libraries;
    QStringList refusals;
};

// The libraries are the files whose version block marks them. Each name is listed whatever
// it leads to (a link, a dangling one, a pipe, a device), and its version block is read
// from the file that its whole path was checked to lead to, so that a refused name is said
// and never opened to be read.
FolderLibraries librariesIn(const Text& folder)
{
    FolderLibraries found;
    const QDir::Filters anyName = QDir::Files | QDir::System;
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.so")}, anyName, QDir::Name)) {
        const Text path = file.absoluteFilePath();
        const CheckedPath checked = CheckedPath::openFile(path);
        if (!checked.isOpen()) {
            found.refusals.append(
                QStringLiteral("Cannot register %1: the library is not trusted: %2").arg(path, checked.refusal()));
            continue;
        }
        try {
            components::readVersionBlock(checked.descriptor(), path);
            found.libraries.append(path);
        } catch (const RuntimeError&) {
            // Not a control library (the runtime itself, for one): not ours to register.
        }
    }
    return found;
}

bool callEntryPoint(const Text& path, bool registering, const Output& output)
{
    try {
        if (const Text staging = stagingFolder();
            !staging.isEmpty() && !QFileInfo(path).canonicalFilePath().startsWith(staging + u'/'))
            throw RuntimeError(RuntimeError::PathFileAccessError,
                               QStringLiteral("it is not in the staging folder %1").arg(staging));
        const std::shared_ptr<components::LoadedLibrary> library = components::LoadedLibrary::load(path);
        const auto before = registrations();
        const int status = registering ? library->registerServer() : library->unregisterServer();
        if (status != components::Ok) {
            output.error(components::lastError());
            return false;
        }
        if (registering) {
            const Text canonical = QFileInfo(path).canonicalFilePath();
            recordInstalledPath(canonical);
            reportRegistered(recordedPath(canonical), output);
        } else {
            reportRemoved(before, registrations(), output);
        }
        return true;
    } catch (const RuntimeError& error) {
        output.error(QStringLiteral("Cannot %1 %2: %3")
                         .arg(registering ? QStringLiteral("register") : QStringLiteral("unregister"), path, error.text()));
        return false;
    }
}

int registerEach(const QStringList& paths, const Output& output)
{
    bool allDone = true;
    for (const Text& given : paths) {
        const QFileInfo file(given);
        if (file.isDir()) {
            const FolderLibraries found = librariesIn(file.absoluteFilePath());
            for (const Text& refusal : found.refusals)
                output.error(refusal);
            allDone = allDone && found.refusals.isEmpty();
            if (found.libraries.isEmpty()) {
                output.error(QStringLiteral("%1 holds no control library").arg(file.absoluteFilePath()));
                allDone = false;
            }
            for (const Text& library : found.libraries)
                allDone = callEntryPoint(library, true, output) && allDone;
        } else {
            allDone = callEntryPoint(file.absoluteFilePath(), true, output) && allDone;
        }
    }
    return allDone ? 0 : 1;
}

// A system catalogue must belong to root for every user to trust it, so only root writes
// one; a staged one is put in place by whoever installs the staged files.
Text systemRegistrationRefusal(const Text& catalogue)
{
    if (!stagingFolder().isEmpty() || geteuid() == 0)
        return {};
    return QStringLiteral("Only root registers controls for every user: the system catalogue %1 must belong to root "
                          "for other users to trust it. Register them for yourself with: controls register "
                          "<library or folder>...")
        .arg(catalogue);
}

// controls register [--system [--catalogue <file>] [--staged <folder>]] <library or folder>...
int registerLibraries(QStringList arguments, const Output& output)
{
    if (arguments.value(0) != QStringLiteral("--system"))
        return registerEach(arguments, output);
    arguments.removeFirst();
    // The system catalogue of the installation the tool belongs to.
    Text catalogue = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/desktop-suite/controls.json"));
    while (arguments.size() > 1 && (arguments[0] == QStringLiteral("--catalogue") || arguments[0] == QStringLiteral("--staged"))) {
        const Text option = arguments.takeFirst();
        const Text value = arguments.takeFirst();
        if (option == QStringLiteral("--catalogue")) {
            catalogue = QFileInfo(value).absoluteFilePath();
        } else {
            const QFileInfo folder(value);
            if (!folder.isDir()) {
                output.error(QStringLiteral("%1: no such staging folder").arg(value));
                return 1;
            }
            stagingFolder() = folder.canonicalFilePath() == QStringLiteral("/") ? Text() : folder.canonicalFilePath();
        }
    }
    if (arguments.isEmpty() || arguments[0].startsWith(QStringLiteral("--"))) {
        output.error(usage);
        return 2;
    }
    if (Text refusal = systemRegistrationRefusal(catalogue); !refusal.isEmpty()) {
        output.error(refusal);
        return 1;
    }
    Catalogue::registerIntoSystemCatalogue(catalogue);
    return registerEach(arguments, output);
}

int unregisterLibraries(const QStringList& paths, const Output& output)
{
    bool allDone = true;
    for (const Text& given : paths) {
        const Text path = QFileInfo(given).absoluteFilePath();
        if (QFileInfo::exists(path)) {
            allDone = callEntryPoint(path, false, output) && allDone;
            continue;
        }
        // No library left to ask: its entries go without it.
        try {
            const auto before = registrations();
            Catalogue::update([&](Catalogue& catalogue) {
                catalogue.remove([&](const CatalogueEntry& entry) { return entry.library == path; });
            });
            const auto after = registrations();
            if (before == after)
                output.error(QStringLiteral("%1: no such library is registered").arg(path));
            reportRemoved(before, after, output);
            allDone = allDone && before != after;
        } catch (const RuntimeError& error) {
            output.error(error.text());
            allDone = false;
        }
    }
    return allDone ? 0 : 1;
}

// Why a host would refuse the entry's library, as it says it ("refused: ..."), or the empty text.
Text refusalNote(const CatalogueEntry& entry)
{
    const Text refusal = components::checkLibrary(entry.library, entry.type.identifier).refusal;
    return refusal.isEmpty() ? refusal : QStringLiteral("refused: ") + refusal;
}

// Every entry of every catalogue, in the order hosts look in them, each with its
// catalogue, and whether a host would refuse it or use an entry above it instead.
int list(const Output& output)
{
    bool allRead = true;
    std::map<Text, Text> usedFrom;  // class identifier -> the catalogue whose entry hosts use
    for (const CataloguePlace& place : Catalogue::searchOrder()) {
        std::vector<CatalogueEntry> entries;
        try {
            entries = Catalogue::read(place.path).entries();
        } catch (const RuntimeError& error) {
            output.error(error.text());
            allRead = false;
            continue;
        }
        const Text scope = place.scope == CatalogueScope::User ? QStringLiteral("user") : QStringLiteral("system");
        for (const CatalogueEntry& entry : entries) {
            Text line = QStringLiteral("%1\t%2\t%3\t%4 %5")
                            .arg(entry.type.identifier, entry.type.id.toString(), entry.library, scope, place.path);
            if (Text note = refusalNote(entry); !note.isEmpty())
                line += QLatin1Char('\t') + note;
            else if (const auto [used, first] = usedFrom.emplace(entry.type.identifier, place.path); !first)
                line += QStringLiteral("\tshadowed by %1").arg(used->second);
            output.out(line);
        }
    }
    return allRead ? 0 : 1;
}

// The entry a host would use for the class; where every entry is refused, the first of
// them, so that its refusal can be shown.
CatalogueEntry describedEntry(const Text& classIdentifier)
{
    try {
        return components::findClass(classIdentifier).entry;
    } catch (const RuntimeError&) {
        for (const CataloguePlace& place : Catalogue::searchOrder()) {
            try {
                const Catalogue catalogue = Catalogue::read(place.path);
                if (catalogue.contains(classIdentifier))
                    return catalogue.find(classIdentifier);
            } catch (const RuntimeError&) {
                // Already among the refusals.
            }
        }
        throw;
    }
}

Text flagsText(unsigned flags)
{
    QStringList names;
    if (flags & components::Dual)
        names.append(QStringLiteral("dual"));
    if (flags & components::DispatchOnly)
        names.append(QStringLiteral("dispatch only"));
    if (flags & components::Hidden)
        names.append(QStringLiteral("hidden"));
    return names.join(QStringLiteral(", "));
}

void describeInterface(const components::InterfaceInfo& interface, const Text& role, const Output& output)
{
    output.out(QStringLiteral("%1 %2 %3 (%4)").arg(role, interface.name, interface.id.toString(), flagsText(interface.flags)));
    for (const components::MemberInfo& member : interface.members) {
        Text kind = components::kindName(member.kind);
        if (member.kind == components::MemberKind::Property && member.readOnly)
            kind = QStringLiteral("property (read-only)");
        output.out(QStringLiteral("  %1  %2  %3").arg(components::memberIdText(member.id), -8).arg(kind, -20).arg(memberSignature(member)));
        if (!member.description.isEmpty())
            output.out(QStringLiteral("            %1").arg(member.description));
    }
}

int describe(const Text& classIdentifier, const Output& output)
{
    CatalogueEntry entry;
    try {
        entry = describedEntry(classIdentifier);
    } catch (const RuntimeError& error) {
        output.error(error.text());
        return 1;
    }
    const components::ClassInfo& type = entry.type;
    output.out(type.identifier);
    output.out(QStringLiteral("description: %1").arg(type.description));
    output.out(QStringLiteral("library: %1 %2 (%3)").arg(type.libraryName, type.libraryId.toString(), entry.library));
    if (Text note = refusalNote(entry); !note.isEmpty())
        output.out(note);
    output.out(QStringLiteral("class: %1 %2%3, threading model %4")
                   .arg(type.name, type.id.toString(), type.control ? QStringLiteral(", a control") : QString(),
                        components::threadingName(type.threading)));
    describeInterface(type.defaultInterface, QStringLiteral("default interface"), output);
    describeInterface(type.eventInterface, QStringLiteral("event interface"), output);
    output.out(QStringLiteral("toolbox picture (16 x 15, 16 colours):"));
    for (const Text& row : type.picture)
        output.out(QStringLiteral("  ") + row);
    return 0;
}

int script(const QStringList& arguments, const Output& output)
{
    if (arguments.isEmpty() || arguments.size() > 2) {
        output.error(usage);
        return 2;
    }
    Text text;
    std::shared_ptr<components::Instance> instance;
    try {
        text = arguments.size() == 2 ? readScript(arguments[1])
                                     : decodeScript(output.readInput(), QStringLiteral("on standard input"));
        instance = components::createInstance(arguments[0]);
    } catch (const RuntimeError& error) {
        output.error(error.text());
        return 1;
    }
    ScriptRunner runner(instance, output.out);
    return runner.run(text) ? 0 : 1;
}

}  // namespace

int runCommand(const QStringList& arguments, const Output& output)
{
    const Text command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("register") && !rest.isEmpty())
        return registerLibraries(rest, output);
    if (command == QStringLiteral("unregister") && !rest.isEmpty())
        return unregisterLibraries(rest, output);
    if (command == QStringLiteral("list") && rest.isEmpty())
        return list(output);
    if (command == QStringLiteral("describe") && rest.size() == 1)
        return describe(rest[0], output);
    if (command == QStringLiteral("script"))
        return script(rest, output);
    if (command == QStringLiteral("try") && rest.size() == 1)
        return tryControl(rest[0], output.out, output.error);
    if (command == QStringLiteral("try") && rest.isEmpty())
        return chooseAndTryControl(output.out);
    output.error(usage);
    return 2;
}

}  // namespace runtime::tools

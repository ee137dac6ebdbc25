// SPDX-License-Identifier: LGPL-2.1-or-later
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

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <set>

namespace runtime::tools {
namespace {

using components::Catalogue;
using components::CatalogueEntry;
using components::CataloguePlace;
using components::CatalogueScope;

// What a command is given: its operands and the options before them, as written.
struct Invocation {
    QStringList operands;
    bool system = false;  // --system
    Text catalogue;       // --catalogue <file>
    Text fragment;        // --fragment <name>
    Text staging;         // --staged <folder>
};

// Where a registration goes and what it records, as register's options settle them.
struct Registration {
    // The system catalogue or fragment written; empty for the user's catalogue.
    Text catalogue;
    // The folder the files being registered were staged in for an installation (DESTDIR),
    // which is no part of the paths they will have once installed; empty when they are
    // registered where they lie.
    Text staging;

    Text path() const { return catalogue.isEmpty() ? Catalogue::userPath() : catalogue; }
};

struct Command {
    const char* name;
    const char* arguments;  // as the usage shows them
    const char* summary;
    int fewestOperands;
    int mostOperands;
    Toolkit toolkit;
    int (*run)(const Invocation&, const Output&);
};

struct Option {
    const char* name;
    const char* value;  // the placeholder of its value; none for a switch
    const char* summary;
    Text Invocation::*field;  // where its value goes; null for --system
};

constexpr int anyNumber = 1 << 20;

int registerLibraries(const Invocation&, const Output&);
int unregisterLibraries(const Invocation&, const Output&);
int list(const Invocation&, const Output&);
int describe(const Invocation&, const Output&);
int script(const Invocation&, const Output&);
int tryOut(const Invocation&, const Output&);
int help(const Invocation&, const Output&);

const Command commands[] = {
    {"register", "[--system [--catalogue <file> | --fragment <name>] [--staged <folder>]] <library or folder>...",
     "registers each control library, or each one in a folder, through its own DllRegisterServer: for you, or with "
     "--system for every user (root only)",
     1, anyNumber, Toolkit::OffScreen, registerLibraries},
    {"unregister", "<library>...",
     "unregisters each library through its DllUnregisterServer; the entries of one that is gone, or that hosts "
     "refuse, are removed directly",
     1, anyNumber, Toolkit::Core, unregisterLibraries},
    {"list", "",
     "lists every registered class in the order hosts look for it, each with its catalogue and whether it is "
     "refused or shadowed",
     0, 0, Toolkit::Core, list},
    {"describe", "<class identifier>", "shows the class's members with their kinds, identifiers and descriptions", 1, 1,
     Toolkit::Core, describe},
    {"script", "<class identifier> [<script file>]",
     "runs a script against the control off screen, from standard input without a file", 1, 2, Toolkit::OffScreen,
     script},
    {"try", "[<class identifier>]",
     "opens a window to try the control by hand; without one, a window to choose it first", 0, 1, Toolkit::Screen,
     tryOut},
    {"help", "[<command>]", "shows how to use every command, or one", 0, 1, Toolkit::Core, help},
};

// The options, all of register's.
const Option options[] = {
    {"--system", nullptr,
     "for every user, into the installation's system catalogue <prefix>/share/desktop-suite/controls.json", nullptr},
    {"--catalogue", "<file>", "into the catalogue <file> instead", &Invocation::catalogue},
    {"--fragment", "<name>", "into the installation's fragment controls.d/<name>.json instead, a package's own",
     &Invocation::fragment},
    {"--staged", "<folder>", "the files were staged under <folder> (DESTDIR): the recorded paths leave it out",
     &Invocation::staging},
};

Text usageOf(const Command& command)
{
    const Text arguments = QString::fromUtf8(command.arguments);
    return QStringLiteral("controls %1%2\n    %3")
        .arg(QString::fromUtf8(command.name), arguments.isEmpty() ? Text() : u' ' + arguments,
             QString::fromUtf8(command.summary));
}

Text optionsUsage()
{
    Text text = QStringLiteral("options of register:");
    for (const Option& option : options) {
        const Text name = option.value ? QStringLiteral("%1 %2").arg(QString::fromUtf8(option.name), QString::fromUtf8(option.value))
                                       : QString::fromUtf8(option.name);
        text += QStringLiteral("\n  %1  %2").arg(name, -20).arg(QString::fromUtf8(option.summary));
    }
    return text;
}

Text usage()
{
    Text text = QStringLiteral("usage: controls <command> [<argument>...]\n");
    for (const Command& command : commands)
        text += u'\n' + usageOf(command);
    return text + QStringLiteral("\ncontrols --version\n    shows the version of the suite\n\n") + optionsUsage();
}

int usageError(const Output& output)
{
    output.error(usage());
    return 2;
}

const Command* commandNamed(const Text& name)
{
    for (const Command& command : commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

// The command's options, taken from the front of `arguments`; none when a command other
// than register is given one, or an option lacks its value.
std::optional<Invocation> invocationOf(const Command& command, QStringList arguments)
{
    Invocation invocation;
    while (!arguments.isEmpty() && arguments[0].startsWith(QStringLiteral("--"))) {
        const Text name = arguments.takeFirst();
        const Option* option = std::find_if(std::begin(options), std::end(options),
                                            [&](const Option& candidate) { return name == QLatin1String(candidate.name); });
        if (option == std::end(options) || command.run != registerLibraries)
            return std::nullopt;
        if (!option->field) {
            invocation.system = true;
            continue;
        }
        if (arguments.isEmpty())
            return std::nullopt;
        invocation.*(option->field) = arguments.takeFirst();
    }
    invocation.operands = arguments;
    if (invocation.operands.size() < command.fewestOperands || invocation.operands.size() > command.mostOperands)
        return std::nullopt;
    return invocation;
}

std::set<std::pair<Text, Text>> registrations(const Registration& registration)
{
    std::set<std::pair<Text, Text>> all;
    for (const CatalogueEntry& entry : Catalogue::read(registration.path()).entries())
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

// Reports the classes the catalogue now holds for a library, and the library each one's
// registration replaced, when it was another.
void reportRegistered(const Text& library, const std::set<std::pair<Text, Text>>& before,
                      const Registration& registration, const Output& output)
{
    std::map<Text, Text> formerLibraries;
    for (const auto& [identifier, formerLibrary] : before)
        formerLibraries.emplace(identifier, formerLibrary);
    for (const auto& [identifier, registeredLibrary] : registrations(registration)) {
        if (registeredLibrary != library)
            continue;
        Text line = QStringLiteral("Registered %1 (%2)").arg(identifier, library);
        if (const auto former = formerLibraries.find(identifier); former != formerLibraries.end() && former->second != library)
            line += QStringLiteral(" in place of %1").arg(former->second);
        output.out(line);
    }
}

// The path a registered library is recorded under: where it lies, or where it will lie
// once its staged installation is put in place.
Text recordedPath(const Text& library, const Registration& registration)
{
    return registration.staging.isEmpty() ? library : library.mid(registration.staging.size());
}

// A staged library is registered where it lies (only a file there can be checked and
// loaded), then its entries are moved to the path it will have.
void recordInstalledPath(const Text& library, const Registration& registration)
{
    if (registration.staging.isEmpty())
        return;
    Catalogue::update(
        [&](Catalogue& catalogue) {
            for (CatalogueEntry entry : catalogue.entries()) {
                if (entry.library == library) {
                    entry.library = recordedPath(library, registration);
                    catalogue.add(entry);
                }
            }
        },
        registration.path());
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

bool callEntryPoint(const Text& path, bool registering, const Registration& registration, const Output& output)
{
    try {
        if (const Text& staging = registration.staging;
            !staging.isEmpty() && !QFileInfo(path).canonicalFilePath().startsWith(staging + u'/'))
            throw RuntimeError(RuntimeError::PathFileAccessError,
                               QStringLiteral("it is not in the staging folder %1").arg(staging));
        const std::shared_ptr<components::LoadedLibrary> library = components::LoadedLibrary::load(path);
        const auto before = registrations(registration);
        const int status = registering ? library->registerServer() : library->unregisterServer();
        if (status != components::Ok) {
            output.error(components::lastError());
            return false;
        }
        if (registering) {
            const Text canonical = QFileInfo(path).canonicalFilePath();
            recordInstalledPath(canonical, registration);
            reportRegistered(recordedPath(canonical, registration), before, registration, output);
        } else {
            reportRemoved(before, registrations(registration), output);
        }
        return true;
    } catch (const RuntimeError& error) {
        output.error(QStringLiteral("Cannot %1 %2: %3")
                         .arg(registering ? QStringLiteral("register") : QStringLiteral("unregister"), path, error.text()));
        return false;
    }
}

int registerEach(const QStringList& paths, const Registration& registration, const Output& output)
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
                allDone = callEntryPoint(library, true, registration, output) && allDone;
        } else {
            allDone = callEntryPoint(file.absoluteFilePath(), true, registration, output) && allDone;
        }
    }
    return allDone ? 0 : 1;
}

// A system catalogue must belong to root for every user to trust it, so only root writes
// one; a staged one is put in place by whoever installs the staged files.
Text systemRegistrationRefusal(const Registration& registration)
{
    if (!registration.staging.isEmpty() || geteuid() == 0)
        return {};
    return QStringLiteral("Only root registers controls for every user: the system catalogue %1 must belong to root "
                          "for other users to trust it. Register them for yourself with: controls register "
                          "<library or folder>...")
        .arg(registration.catalogue);
}

// A fragment lies in the fragments' folder itself, and hosts read only the names that
// the pattern *.json shows.
bool isFragmentName(const Text& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(QStringLiteral("..")) && !name.startsWith(u'.');
}

int registerLibraries(const Invocation& invocation, const Output& output)
{
    if (!invocation.system) {
        if (!invocation.catalogue.isEmpty() || !invocation.fragment.isEmpty() || !invocation.staging.isEmpty())
            return usageError(output);
        return registerEach(invocation.operands, {}, output);
    }
    if (!invocation.catalogue.isEmpty() && !invocation.fragment.isEmpty())
        return usageError(output);
    if (!invocation.fragment.isEmpty() && !isFragmentName(invocation.fragment)) {
        output.error(QStringLiteral("%1 is no fragment name: it is a file name that holds no slash and no \"..\", "
                                    "and does not start with a point")
                         .arg(invocation.fragment));
        return 2;
    }
    Registration registration;
    // The system catalogue of the installation the tool belongs to, or one of its fragments.
    const Text installation = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" SUITE_DATA_FROM_PROGRAMS "/desktop-suite"));
    if (!invocation.catalogue.isEmpty())
        registration.catalogue = QFileInfo(invocation.catalogue).absoluteFilePath();
    else if (!invocation.fragment.isEmpty())
        registration.catalogue = installation + QStringLiteral("/controls.d/") + invocation.fragment
            + (invocation.fragment.endsWith(QStringLiteral(".json")) ? QString() : QStringLiteral(".json"));
    else
        registration.catalogue = installation + QStringLiteral("/controls.json");
    if (!invocation.staging.isEmpty()) {
        const QFileInfo folder(invocation.staging);
        if (!folder.isDir()) {
            output.error(QStringLiteral("%1: no such staging folder").arg(invocation.staging));
            return 1;
        }
        registration.staging = folder.canonicalFilePath() == QStringLiteral("/") ? Text() : folder.canonicalFilePath();
    }
    if (Text refusal = systemRegistrationRefusal(registration); !refusal.isEmpty()) {
        output.error(refusal);
        return 1;
    }
    // The entry points take no arguments: the catalogue they write is set beside them.
    const components::SystemRegistration intoSystem(registration.catalogue);
    return registerEach(invocation.operands, registration, output);
}

int unregisterLibraries(const Invocation& invocation, const Output& output)
{
    const Registration user;
    bool allDone = true;
    for (const Text& given : invocation.operands) {
        const Text path = QFileInfo(given).absoluteFilePath();
        if (QFileInfo::exists(path) && components::checkLibrary(path).refusal.isEmpty()) {
            allDone = callEntryPoint(path, false, user, output) && allDone;
            continue;
        }
        // No library left to ask, or none a host would load: its entries go without it.
        const Text canonical = QFileInfo(path).canonicalFilePath();
        try {
            const auto before = registrations(user);
            Catalogue::update([&](Catalogue& catalogue) {
                catalogue.remove([&](const CatalogueEntry& entry) { return entry.library == path || entry.library == canonical; });
            });
            const auto after = registrations(user);
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
int list(const Invocation&, const Output& output)
{
    bool allRead = true;
    bool anyListed = false;
    std::map<Text, Text> usedFrom;  // class identifier -> the catalogue whose entry hosts use
    for (const CataloguePlace& place : Catalogue::searchOrder()) {
        std::vector<CatalogueEntry> entries;
        try {
            entries = Catalogue::read(place).entries();
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
            anyListed = true;
        }
    }
    if (!anyListed) {
        output.out(QStringLiteral("No control class is registered. Hosts look in:"));
        for (const Text& path : Catalogue::searchedPaths())
            output.out(QStringLiteral("  ") + path);
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
                const Catalogue catalogue = Catalogue::read(place);
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

int describe(const Invocation& invocation, const Output& output)
{
    CatalogueEntry entry;
    try {
        entry = describedEntry(invocation.operands[0]);
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

int script(const Invocation& invocation, const Output& output)
{
    const QStringList& arguments = invocation.operands;
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

int tryOut(const Invocation& invocation, const Output& output)
{
    if (invocation.operands.isEmpty())
        return chooseAndTryControl(output.out);
    return tryControl(invocation.operands[0], output.out, output.error);
}

int help(const Invocation& invocation, const Output& output)
{
    if (invocation.operands.isEmpty()) {
        output.out(usage());
        return 0;
    }
    const Command* command = commandNamed(invocation.operands[0]);
    if (!command)
        return usageError(output);
    output.out(usageOf(*command));
    if (command->run == registerLibraries)
        output.out(u'\n' + optionsUsage());
    return 0;
}

}  // namespace

int runCommand(const QStringList& arguments, const Output& output)
{
    const Text first = arguments.value(0);
    if (arguments.size() == 1 && (first == QStringLiteral("--help") || first == QStringLiteral("-h")))
        return help({}, output);
    if (arguments.size() == 1 && first == QStringLiteral("--version")) {
        output.out(QStringLiteral("controls " SUITE_VERSION));
        return 0;
    }
    const Command* command = commandNamed(first);
    if (!command)
        return usageError(output);
    const std::optional<Invocation> invocation = invocationOf(*command, arguments.mid(1));
    if (!invocation)
        return usageError(output);
    return command->run(*invocation, output);
}

Toolkit toolkitFor(const QStringList& arguments)
{
    const Command* command = commandNamed(arguments.value(0));
    return command ? command->toolkit : Toolkit::Core;
}

}  // namespace runtime::tools

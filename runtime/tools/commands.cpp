#include "runtime/tools/commands.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue.h"
#include "runtime/components/host.h"
#include "runtime/components/server.h"
#include "runtime/components/versionblock.h"
#include "runtime/tools/notation.h"
#include "runtime/tools/script.h"
#include "runtime/tools/tryout.h"

#include <QDir>
#include <QFileInfo>

#include <set>

namespace runtime::tools {
namespace {

using components::Catalogue;
using components::CatalogueEntry;

const Text usage = QStringLiteral(
    "usage: controls register <library or folder>...\n"
    "       controls unregister <library>...\n"
    "       controls list\n"
    "       controls describe <class identifier>\n"
    "       controls script <class identifier> [<script file>]\n"
    "       controls try <class identifier>");

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
void reportRegistered(const Text& path, const Output& output)
{
    const Text library = QFileInfo(path).canonicalFilePath();
    for (const auto& [identifier, registeredLibrary] : registrations()) {
        if (registeredLibrary == library)
            output.out(QStringLiteral("Registered %1 (%2)").arg(identifier, library));
    }
}

// The control libraries of a folder: the files whose version block marks them.
QStringList librariesIn(const Text& folder)
{
    QStringList libraries;
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name)) {
        try {
            components::readVersionBlock(file.absoluteFilePath());
            libraries.append(file.absoluteFilePath());
        } catch (const RuntimeError&) {
            // Not a control library (the runtime itself, for one): not ours to register.
        }
    }
    return libraries;
}

bool callEntryPoint(const Text& path, bool registering, const Output& output)
{
    try {
        const std::shared_ptr<components::LoadedLibrary> library = components::LoadedLibrary::load(path);
        const auto before = registrations();
        const int status = registering ? library->registerServer() : library->unregisterServer();
        if (status != components::Ok) {
            output.error(components::lastError());
            return false;
        }
        if (registering)
            reportRegistered(path, output);
        else
            reportRemoved(before, registrations(), output);
        return true;
    } catch (const RuntimeError& error) {
        output.error(QStringLiteral("Cannot %1 %2: %3")
                         .arg(registering ? QStringLiteral("register") : QStringLiteral("unregister"), path, error.text()));
        return false;
    }
}

int registerLibraries(const QStringList& paths, const Output& output)
{
    bool allDone = true;
    for (const Text& given : paths) {
        const QFileInfo file(given);
        if (file.isDir()) {
            const QStringList libraries = librariesIn(file.absoluteFilePath());
            if (libraries.isEmpty()) {
                output.error(QStringLiteral("%1 holds no control library").arg(file.absoluteFilePath()));
                allDone = false;
            }
            for (const Text& library : libraries)
                allDone = callEntryPoint(library, true, output) && allDone;
        } else {
            allDone = callEntryPoint(file.absoluteFilePath(), true, output) && allDone;
        }
    }
    return allDone ? 0 : 1;
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

int list(const Output& output)
{
    try {
        for (const CatalogueEntry& entry : Catalogue::read().entries()) {
            Text line = QStringLiteral("%1\t%2\t%3").arg(entry.type.identifier, entry.type.id.toString(), entry.library);
            if (Text note = refusalNote(entry); !note.isEmpty())
                line += QLatin1Char('\t') + note;
            output.out(line);
        }
    } catch (const RuntimeError& error) {
        output.error(error.text());
        return 1;
    }
    return 0;
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
        entry = Catalogue::read().find(classIdentifier);
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
    output.error(usage);
    return 2;
}

}  // namespace runtime::tools

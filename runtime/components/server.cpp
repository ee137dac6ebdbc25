// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/server.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue_p.h"
#include "runtime/components/host_p.h"
#include "runtime/components/instance.h"
#include "runtime/components/usercontrol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <dlfcn.h>

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>

namespace runtime::components {
namespace {

thread_local Text lastErrorText;

int fail(int status, const Text& text)
{
    lastErrorText = text;
    return status;
}

std::mutex statesLock;

ServerState& stateOf(const LibraryDescriptor& library)
{
    static auto* states = new std::map<const LibraryDescriptor*, ServerState>;
    const std::lock_guard guard(statesLock);
    return (*states)[&library];
}

QStringList classIdentifiers(const LibraryDescriptor& library)
{
    QStringList identifiers;
    for (const ClassDescriptor* type : library.classes)
        identifiers.append(classIdentifier(library, *type));
    return identifiers;
}

// Where the library's version block and its descriptor disagree, or the empty text: the
// host trusts the one before loading and the library acts on the other.
Text mismatch(const VersionBlock& version, const LibraryDescriptor& library)
{
    if (version.library != QString::fromUtf8(library.name))
        return QStringLiteral("its version block names the library %1").arg(version.library);
    if (version.description != QString::fromUtf8(library.description))
        return QStringLiteral("its version block describes it as \"%1\"").arg(version.description);
    if (version.classes != classIdentifiers(library))
        return QStringLiteral("its version block names the classes %1").arg(version.classes.join(QStringLiteral(", ")));
    if (version.runtimeVersion != library.runtimeVersion)
        return QStringLiteral("its version block names the component version %1").arg(version.runtimeVersion);
    return {};
}

bool hasDesignProperties(const ClassDescriptor& type)
{
    return std::ranges::any_of(type.defaultInterface.members,
                               [](const Member& member) { return member.designDefault.index() != 0; });
}

// Where a new instance of a class does not start at a design-time default, or the empty
// text: a form leaves out a value equal to the default, so the control would lose it.
Text startFault(const LibraryDescriptor& library)
{
    for (const ClassDescriptor* type : library.classes) {
        if (!hasDesignProperties(*type))
            continue;
        const Text className = QString::fromUtf8(type->name);
        std::unique_ptr<UserControl> control = ClassFactory(library, *type).createInstance();
        if (!control)
            return lastErrorText;
        Instance instance(nullptr, library, *type, std::move(control));
        for (const MemberInfo& member : instance.typeInfo().defaultInterface.members) {
            if (!member.designDefault)
                continue;
            Arguments none;
            const CallResult start = instance.invoke(member.id, CallKind::PropertyGet, none);
            if (!start.ok())
                return QStringLiteral("the class %1 cannot read %2: %3").arg(className, member.name, start.errorText);
            if (start.value != *member.designDefault)
                return QStringLiteral("the class %1 starts with %2 %3, not with its design-time default %4")
                    .arg(className, member.name, start.value.literal(), member.designDefault->literal());
        }
    }
    return {};
}

// The library's own path and name, checked as a host checks them before loading.
Text registrationFault(const LibraryDescriptor& library, Text& path)
{
    if (Text fault = descriptorFault(library); !fault.isEmpty())
        return fault;
    if (Text fault = startFault(library); !fault.isEmpty())
        return fault;
    path = libraryPathOf(&library);
    if (path.isEmpty())
        return QStringLiteral("the library's file cannot be found");
    const CheckedLibrary checked = checkLibrary(path);
    if (!checked.refusal.isEmpty())
        return checked.refusal;
    if (Text fault = mismatch(checked.version, library); !fault.isEmpty())
        return QStringLiteral("%1: %2").arg(path, fault);
    return {};
}

bool isOneOf(const CatalogueEntry& entry, const LibraryDescriptor& library)
{
    return entry.type.libraryId == QUuid::fromString(QLatin1String(library.id))
        && classIdentifiers(library).contains(entry.type.identifier);
}

}  // namespace

Text lastError()
{
    return lastErrorText;
}

ClassFactory::ClassFactory(const LibraryDescriptor& library, const ClassDescriptor& type)
    : library_(library), type_(type), state_(stateOf(library))
{
    ++state_.liveObjects;
}

ClassFactory::~ClassFactory()
{
    state_.locks -= locks_;
    --state_.liveObjects;
}

std::unique_ptr<UserControl> ClassFactory::createInstance()
{
    const Text identifier = classIdentifier(library_, type_);
    if (!onWindowThread()) {
        lastErrorText = QStringLiteral("the class %1 is created only on the window thread, which hosts it").arg(identifier);
        return nullptr;
    }
    // The class's own code: whatever it throws stays on this side of the entry point, where
    // the host is told why it has no control.
    std::unique_ptr<UserControl> control;
    try {
        control.reset(type_.create());
    } catch (const RuntimeError& error) {
        lastErrorText = QStringLiteral("the class %1 failed to start: %2").arg(identifier, error.text());
        return nullptr;
    } catch (const std::exception& error) {
        lastErrorText = QStringLiteral("the class %1 failed to start: %2").arg(identifier, QString::fromLocal8Bit(error.what()));
        return nullptr;
    } catch (...) {
        lastErrorText = QStringLiteral("the class %1 failed to start").arg(identifier);
        return nullptr;
    }
    if (!control) {
        lastErrorText = QStringLiteral("the class %1 made no control").arg(identifier);
        return nullptr;
    }
    control->attachServer(state_);
    ++state_.liveObjects;
    control->initialize();
    return control;
}

void ClassFactory::lockServer(bool lock)
{
    const int change = lock ? 1 : (locks_ > 0 ? -1 : 0);
    locks_ += change;
    state_.locks += change;
}

void objectReleased(ServerState& state)
{
    --state.liveObjects;
}

int registerServer(const LibraryDescriptor& library)
{
    Text path;
    if (Text fault = registrationFault(library, path); !fault.isEmpty())
        return fail(Failed, QStringLiteral("Cannot register %1: %2").arg(QString::fromUtf8(library.name), fault));
    const QUuid libraryId = QUuid::fromString(QLatin1String(library.id));
    try {
        Catalogue::update([&](Catalogue& catalogue) {
            // Classes this library no longer has go with the old registration.
            catalogue.remove([&](const CatalogueEntry& entry) { return entry.type.libraryId == libraryId; });
            for (const ClassDescriptor* type : library.classes)
                catalogue.add({classInfo(library, *type), path});
        });
    } catch (const RuntimeError& error) {
        return fail(Failed, error.text());
    }
    return Ok;
}

int unregisterServer(const LibraryDescriptor& library)
{
    try {
        Catalogue::update([&](Catalogue& catalogue) {
            catalogue.remove([&](const CatalogueEntry& entry) { return isOneOf(entry, library); });
        });
    } catch (const RuntimeError& error) {
        return fail(Failed, error.text());
    }
    return Ok;
}

int getClassObject(const LibraryDescriptor& library, const QUuid* classId, ClassFactory** factory)
{
    if (!classId || !factory)
        return fail(Failed, QStringLiteral("DllGetClassObject needs a class and a place for the factory"));
    *factory = nullptr;
    for (const ClassDescriptor* type : library.classes) {
        if (QUuid::fromString(QLatin1String(type->id)) == *classId) {
            *factory = new ClassFactory(library, *type);
            return Ok;
        }
    }
    return fail(ClassNotAvailable, QStringLiteral("the library %1 has no class %2")
                                       .arg(QString::fromUtf8(library.name), classId->toString()));
}

int canUnloadNow(const LibraryDescriptor& library)
{
    const ServerState& state = stateOf(library);
    return state.liveObjects == 0 && state.locks == 0 ? Ok : No;
}

Text libraryPathOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalFilePath();
}

bool onWindowThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

}  // namespace runtime::components

#include "runtime/components/host.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue.h"
#include "runtime/components/server.h"
#include "runtime/components/trust.h"
#include "runtime/components/versionblock.h"

#include <QLibrary>
#include <QRegularExpression>

#include <map>

namespace runtime::components {
namespace {

[[noreturn]] void raiseCannotCreate(const Text& classIdentifier, const Text& reason)
{
    throw RuntimeError(RuntimeError::CannotCreateObject,
                       QStringLiteral("Cannot create the control %1: %2").arg(classIdentifier, reason));
}

// The libraries loaded so far, by path. They stay loaded until freeUnusedLibraries()
// finds them unused; never destroyed at exit, so that no library is unloaded while the
// process is taking its toolkit down.
std::map<Text, std::shared_ptr<LoadedLibrary>>& loadedLibraries()
{
    static auto* libraries = new std::map<Text, std::shared_ptr<LoadedLibrary>>;
    return *libraries;
}

bool isClassIdentifier(const Text& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*\\.[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(text).hasMatch();
}

}  // namespace

struct LoadedLibrary::Handle {
    QLibrary library;
};

LoadedLibrary::LoadedLibrary(const Text& path) : path_(path), handle_(std::make_unique<Handle>()) {}

LoadedLibrary::~LoadedLibrary()
{
    handle_->library.unload();
}

std::shared_ptr<LoadedLibrary> LoadedLibrary::load(const Text& path)
{
    auto& libraries = loadedLibraries();
    if (auto loaded = libraries.find(path); loaded != libraries.end())
        return loaded->second;
    if (Text refusal = libraryRefusal(path); !refusal.isEmpty())
        throw RuntimeError(RuntimeError::CannotCreateObject, refusal);

    std::shared_ptr<LoadedLibrary> library(new LoadedLibrary(path));
    QLibrary& handle = library->handle_->library;
    handle.setFileName(path);
    if (!handle.load())
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("%1 cannot be loaded: %2").arg(path, handle.errorString()));
    library->register_ = reinterpret_cast<int (*)()>(handle.resolve("DllRegisterServer"));
    library->unregister_ = reinterpret_cast<int (*)()>(handle.resolve("DllUnregisterServer"));
    library->getClassObject_ = reinterpret_cast<int (*)(const QUuid*, ClassFactory**)>(handle.resolve("DllGetClassObject"));
    library->canUnloadNow_ = reinterpret_cast<int (*)()>(handle.resolve("DllCanUnloadNow"));
    if (!library->register_ || !library->unregister_ || !library->getClassObject_ || !library->canUnloadNow_)
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("%1 is not a control library: it lacks one of the entry points "
                                          "DllRegisterServer, DllUnregisterServer, DllGetClassObject, DllCanUnloadNow")
                               .arg(path));
    libraries.emplace(path, library);
    return library;
}

Text libraryRefusal(const Text& path, const Text& classIdentifier)
{
    if (Text fault = untrustedReason(path); !fault.isEmpty())
        return QStringLiteral("the library is not trusted: %1").arg(fault);
    VersionBlock version;
    try {
        version = readVersionBlock(path);
    } catch (const RuntimeError& error) {
        return error.text();
    }
    if (version.runtimeVersion > componentVersion)
        return QStringLiteral("%1 was built for a newer runtime (component version %2; this runtime has %3)")
            .arg(path)
            .arg(version.runtimeVersion)
            .arg(componentVersion);
    if (!classIdentifier.isEmpty() && !version.classes.contains(classIdentifier))
        return QStringLiteral("%1 holds the classes %2, not %3")
            .arg(path, version.classes.join(QStringLiteral(", ")), classIdentifier);
    return {};
}

std::shared_ptr<Instance> createInstance(const Text& classIdentifier, const Text& cataloguePath)
{
    if (!isClassIdentifier(classIdentifier))
        raiseCannotCreate(classIdentifier, QStringLiteral("a class identifier is a library name, a point and a class name"));
    CatalogueEntry entry;
    try {
        const Catalogue catalogue = Catalogue::read(cataloguePath.isEmpty() ? Catalogue::defaultPath() : cataloguePath);
        entry = catalogue.find(classIdentifier);
    } catch (const RuntimeError& error) {
        raiseCannotCreate(classIdentifier, error.text());
    }
    if (Text refusal = libraryRefusal(entry.library, classIdentifier); !refusal.isEmpty())
        raiseCannotCreate(classIdentifier, refusal);

    std::shared_ptr<LoadedLibrary> library;
    try {
        library = LoadedLibrary::load(entry.library);
    } catch (const RuntimeError& error) {
        raiseCannotCreate(classIdentifier, error.text());
    }
    ClassFactory* madeFactory = nullptr;
    if (library->getClassObject(entry.type.id, &madeFactory) != Ok || !madeFactory)
        raiseCannotCreate(classIdentifier, lastError());
    const std::unique_ptr<ClassFactory> factory(madeFactory);
    std::unique_ptr<UserControl> control = factory->createInstance();
    if (!control)
        raiseCannotCreate(classIdentifier, lastError());
    return std::make_shared<Instance>(library, factory->library(), factory->type(), std::move(control));
}

int freeUnusedLibraries()
{
    auto& libraries = loadedLibraries();
    int freed = 0;
    for (auto library = libraries.begin(); library != libraries.end();) {
        if (library->second.use_count() == 1 && library->second->canUnloadNow() == Ok) {
            library = libraries.erase(library);
            ++freed;
        } else {
            ++library;
        }
    }
    return freed;
}

}  // namespace runtime::components

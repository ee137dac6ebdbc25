// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/host_p.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue_p.h"
#include "runtime/components/dependencies_p.h"
#include "runtime/components/server.h"

#include <QRegularExpression>

#include <dlfcn.h>

#include <cstdio>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace runtime::components {
namespace {

[[noreturn]] void raiseCannotCreate(const Text& classIdentifier, const Text& reason)
{
    throw RuntimeError(RuntimeError::CannotCreateObject,
                       QStringLiteral("Cannot create the control %1: %2").arg(classIdentifier, reason));
}

// The libraries loaded so far, by the device and inode of their file. They stay loaded
// until freeUnusedLibraries() finds them unused; never destroyed at exit, so that no
// library is unloaded while the process is taking its toolkit down.
std::map<std::pair<dev_t, ino_t>, std::shared_ptr<LoadedLibrary>>& loadedLibraries()
{
    static auto* libraries = new std::map<std::pair<dev_t, ino_t>, std::shared_ptr<LoadedLibrary>>;
    return *libraries;
}

std::pair<dev_t, ino_t> identityOf(const CheckedPath& file)
{
    return {file.status().st_dev, file.status().st_ino};
}

// The name under which the system's loader opens exactly the file behind the descriptor,
// however its path has changed since; it searches no folder for a name with a slash.
QByteArray loaderNameOf(const CheckedPath& file)
{
    return "/proc/self/fd/" + QByteArray::number(file.descriptor());
}

// The loader knows a library by the name it was loaded under. Where it keeps a library
// mapped after it was let go, that name must go on naming that file: its descriptor is
// kept open here rather than reused for another file.
void keepOpenWhileMapped(CheckedPath file)
{
    void* stillMapped = dlopen(loaderNameOf(file).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!stillMapped)
        return;
    dlclose(stillMapped);
    static auto* kept = new std::vector<CheckedPath>;
    kept->push_back(std::move(file));
}

// Loads each dependency by its descriptor, so that the loader knows it by its name when
// the library asks for it; returns the loader's handles on them.
std::vector<void*> loadDependencies(const std::vector<CheckedPath>& dependencies)
{
    std::vector<void*> handles;
    for (const CheckedPath& dependency : dependencies) {
        void* handle = dlopen(loaderNameOf(dependency).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const Text reason = QString::fromLocal8Bit(dlerror());
            for (void* loaded : handles)
                dlclose(loaded);
            throw RuntimeError(RuntimeError::CannotCreateObject,
                               QStringLiteral("%1 cannot be loaded: %2").arg(dependency.path(), reason));
        }
        handles.push_back(handle);
    }
    return handles;
}

bool isClassIdentifier(const Text& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*\\.[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(text).hasMatch();
}

// A host that falls back to another entry still works, so a refusal is a note, not an
// error; and a window that creates a control many times says it only once.
void reportOnce(const Text& note)
{
    static std::set<Text> reported;
    if (reported.insert(note).second)
        std::fputs((note + u'\n').toUtf8().constData(), stderr);
}

}  // namespace

Text placeName(const CataloguePlace& place)
{
    return (place.scope == CatalogueScope::User ? QStringLiteral("the user's catalogue %1")
                                                : QStringLiteral("the system catalogue %1"))
        .arg(place.path);
}

FoundClass findClass(const Text& classIdentifier, const std::vector<CataloguePlace>& places)
{
    // Each refusal as it reads alone, and as it reads among others.
    QStringList refusals;
    QStringList placedRefusals;
    QStringList passedOver;
    QStringList unusableCatalogues;
    for (const CataloguePlace& place : places) {
        CatalogueEntry entry;
        try {
            const Catalogue catalogue = Catalogue::read(place);
            if (!catalogue.contains(classIdentifier))
                continue;
            entry = catalogue.find(classIdentifier);
        } catch (const RuntimeError& error) {
            refusals.append(error.text());
            placedRefusals.append(error.text());
            unusableCatalogues.append(error.text());
            continue;
        }
        CheckedLibrary library = checkLibrary(entry.library, classIdentifier);
        if (!library.refusal.isEmpty()) {
            refusals.append(library.refusal);
            placedRefusals.append(QStringLiteral("the entry in %1 is refused: %2").arg(placeName(place), library.refusal));
            passedOver.append(placedRefusals.back());
            continue;
        }
        return {std::move(entry), place, std::move(library), passedOver, unusableCatalogues};
    }
    if (refusals.isEmpty())
        throw RuntimeError(RuntimeError::CannotCreateObject, QStringLiteral("the class %1 is not registered").arg(classIdentifier));
    throw RuntimeError(RuntimeError::CannotCreateObject,
                       refusals.size() == 1 ? refusals[0] : placedRefusals.join(QStringLiteral("; ")));
}

CheckedLibrary checkLibrary(const Text& path, const Text& classIdentifier)
{
    CheckedLibrary library{CheckedPath::openFile(path), {}, {}, {}};
    if (!library.file.isOpen()) {
        library.refusal = QStringLiteral("the library is not trusted: %1").arg(library.file.refusal());
        return library;
    }
    const Text checkedPath = library.file.path();
    try {
        library.version = readVersionBlock(library.file.descriptor(), checkedPath);
    } catch (const RuntimeError& error) {
        library.refusal = error.text();
        return library;
    }
    if (library.version.runtimeVersion > componentVersion)
        library.refusal = QStringLiteral("%1 was built for a newer runtime (component version %2; this runtime has %3)")
                              .arg(checkedPath)
                              .arg(library.version.runtimeVersion)
                              .arg(componentVersion);
    else if (!classIdentifier.isEmpty() && !library.version.classes.contains(classIdentifier))
        library.refusal = QStringLiteral("%1 holds the classes %2, not %3")
                              .arg(checkedPath, library.version.classes.join(QStringLiteral(", ")), classIdentifier);
    if (!library.refusal.isEmpty())
        return library;
    Dependencies dependencies = checkDependencies(library.file);
    library.dependencies = std::move(dependencies.files);
    library.refusal = dependencies.refusal;
    return library;
}

LoadedLibrary::LoadedLibrary(CheckedPath file) : file_(std::move(file)) {}

LoadedLibrary::~LoadedLibrary()
{
    if (code_)
        dlclose(code_);
    keepOpenWhileMapped(std::move(file_));
    for (CheckedPath& dependency : dependencies_)
        keepOpenWhileMapped(std::move(dependency));
}

std::shared_ptr<LoadedLibrary> LoadedLibrary::load(const Text& path, const Text& classIdentifier)
{
    return load(checkLibrary(path, classIdentifier));
}

std::shared_ptr<LoadedLibrary> LoadedLibrary::load(CheckedLibrary checked)
{
    if (!checked.refusal.isEmpty())
        throw RuntimeError(RuntimeError::CannotCreateObject, checked.refusal);
    auto& libraries = loadedLibraries();
    const auto identity = identityOf(checked.file);
    if (auto loaded = libraries.find(identity); loaded != libraries.end())
        return loaded->second;

    std::shared_ptr<LoadedLibrary> library(new LoadedLibrary(std::move(checked.file)));
    library->dependencies_ = std::move(checked.dependencies);
    const std::vector<void*> dependencies = loadDependencies(library->dependencies_);
    library->code_ = dlopen(loaderNameOf(library->file_).constData(), RTLD_NOW | RTLD_LOCAL);
    // The library holds what it needs now; without it, nothing is left to hold them.
    for (void* dependency : dependencies)
        dlclose(dependency);
    if (!library->code_)
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("%1 cannot be loaded: %2").arg(library->path(), QString::fromLocal8Bit(dlerror())));
    const auto entryPoint = [&library](const char* name) { return dlsym(library->code_, name); };
    library->register_ = reinterpret_cast<int (*)()>(entryPoint("DllRegisterServer"));
    library->unregister_ = reinterpret_cast<int (*)()>(entryPoint("DllUnregisterServer"));
    library->getClassObject_ = reinterpret_cast<int (*)(const QUuid*, ClassFactory**)>(entryPoint("DllGetClassObject"));
    library->canUnloadNow_ = reinterpret_cast<int (*)()>(entryPoint("DllCanUnloadNow"));
    if (!library->register_ || !library->unregister_ || !library->getClassObject_ || !library->canUnloadNow_)
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("%1 is not a control library: it lacks one of the entry points "
                                          "DllRegisterServer, DllUnregisterServer, DllGetClassObject, DllCanUnloadNow")
                               .arg(library->path()));
    libraries.emplace(identity, library);
    return library;
}

std::shared_ptr<Instance> createInstance(const Text& classIdentifier)
{
    if (!isClassIdentifier(classIdentifier))
        raiseCannotCreate(classIdentifier, QStringLiteral("a class identifier is a library name, a point and a class name"));
    std::shared_ptr<LoadedLibrary> library;
    CatalogueEntry entry;
    try {
        FoundClass found = findClass(classIdentifier);
        for (const Text& refusal : found.unusableCatalogues)
            reportOnce(refusal);
        for (const Text& refusal : found.passedOver)
            reportOnce(QStringLiteral("%1: %2; it comes from %3 instead").arg(classIdentifier, refusal, placeName(found.place)));
        entry = found.entry;
        library = LoadedLibrary::load(std::move(found.library));
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

Text fixFor(const Text& classIdentifier)
{
    for (const CataloguePlace& place : Catalogue::searchOrder()) {
        try {
            const Catalogue catalogue = Catalogue::read(place);
            if (!catalogue.contains(classIdentifier))
                continue;
            const CheckedLibrary library = checkLibrary(catalogue.find(classIdentifier).library, classIdentifier);
            if (!library.refusal.isEmpty() && !library.file.fix().isEmpty())
                return library.file.fix();
        } catch (const RuntimeError&) {
            // A catalogue that cannot be read offers no library to mend.
        }
    }
    return {};
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

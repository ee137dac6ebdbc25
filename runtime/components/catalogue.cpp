// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/catalogue_p.h"

#include "runtime/base/error.h"
#include "runtime/files/trust_p.h"
#include "runtime/files/filesave.h"
#include "runtime/forms/datafolder_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace runtime::components {
namespace {

constexpr int catalogueFormat = 1;
// Far beyond any real catalogue; keeps a device or a runaway file from being read whole.
constexpr qint64 largestCatalogue = 16 * 1024 * 1024;

const QString formatField = QStringLiteral("format");
const QString classesField = QStringLiteral("classes");
const QString libraryField = QStringLiteral("library");

[[noreturn]] void raiseCatalogueError(const Text& path, const Text& reason)
{
    throw RuntimeError(RuntimeError::PathFileAccessError,
                       QStringLiteral("The control catalogue %1 cannot be used: %2").arg(path, reason));
}

[[noreturn]] void raiseDamaged(const Text& path, const Text& reason)
{
    raiseCatalogueError(path, QStringLiteral("it is damaged (%1); repair or remove it, then register the control "
                                             "libraries again")
                                  .arg(reason));
}

// The catalogue is a file of its own: a symbolic link in its place is refused, as the
// save would replace the link's target.
void refuseALink(const Text& path)
{
    if (QFileInfo(path).isSymLink())
        raiseCatalogueError(path, QStringLiteral("it is a symbolic link, not a file of its own"));
}

// The catalogue that registrations on this thread write into instead of the user's
// (SystemRegistration); empty for the user's.
thread_local Text systemRegistrationPath;

// A system catalogue is read by every user, and so is the folder it lies in.
bool isForEveryone(const Text& path)
{
    return !systemRegistrationPath.isEmpty() && path == systemRegistrationPath;
}

// Whether anything has the name, a dangling link included.
bool isThere(const Text& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// The file the user's catalogue is read from: the former one while it alone is there.
Text userFileInUse()
{
    const Text former = Catalogue::formerUserPath();
    return !isThere(Catalogue::userPath()) && isThere(former) ? former : Catalogue::userPath();
}

// The fragments of the folder, by name in byte order, so that hosts take them in the same
// order in any locale; or the folder alone with its refusal, when another user could
// change it. Each fragment is checked again, whole path and all, when it is read.
std::vector<CataloguePlace> fragmentsIn(const Text& folder)
{
    if (!isThere(folder))
        return {};
    if (const CheckedPath checked = CheckedPath::openFolder(folder); !checked.isOpen())
        return {{folder, CatalogueScope::System, checked.refusal()}};
    // Names that lead nowhere, or to no file, are listed too, and refused when read.
    QStringList names = QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System);
    std::sort(names.begin(), names.end(),
              [](const QString& left, const QString& right) { return QFile::encodeName(left) < QFile::encodeName(right); });
    std::vector<CataloguePlace> fragments;
    for (const Text& name : names)
        fragments.push_back({folder + u'/' + name, CatalogueScope::System, {}});
    return fragments;
}

}  // namespace

Text Catalogue::userPath()
{
    return DataFolder::suiteHome() + QStringLiteral("/controls.json");
}

Text Catalogue::formerUserPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/suite-runtime/controls.json");
}

QStringList Catalogue::systemFolders()
{
    QString folders = qEnvironmentVariable("XDG_DATA_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/usr/local/share:/usr/share");
    QStringList suiteFolders;
    for (const QString& folder : folders.split(u':', Qt::SkipEmptyParts)) {
        // A relative entry would name a different file from each working folder.
        if (QDir::isAbsolutePath(folder))
            suiteFolders.append(QDir::cleanPath(folder) + QStringLiteral("/desktop-suite"));
    }
    suiteFolders.removeDuplicates();
    return suiteFolders;
}

QStringList Catalogue::systemPaths()
{
    QStringList paths;
    for (const Text& folder : systemFolders())
        paths.append(folder + QStringLiteral("/controls.json"));
    return paths;
}

std::vector<CataloguePlace> Catalogue::searchOrder()
{
    std::vector<CataloguePlace> places{{userFileInUse(), CatalogueScope::User, {}}};
    for (const Text& folder : systemFolders()) {
        for (CataloguePlace& fragment : fragmentsIn(folder + QStringLiteral("/controls.d")))
            places.push_back(std::move(fragment));
        places.push_back({folder + QStringLiteral("/controls.json"), CatalogueScope::System, {}});
    }
    return places;
}

QStringList Catalogue::searchedPaths()
{
    QStringList paths{userFileInUse()};
    for (const Text& folder : systemFolders())
        paths << folder + QStringLiteral("/controls.d/") << folder + QStringLiteral("/controls.json");
    return paths;
}

Text Catalogue::defaultPath()
{
    return systemRegistrationPath.isEmpty() ? userPath() : systemRegistrationPath;
}

Catalogue Catalogue::read(const CataloguePlace& place)
{
    if (!place.refusal.isEmpty())
        throw RuntimeError(RuntimeError::PathFileAccessError,
                           QStringLiteral("The control catalogue folder %1 cannot be used: %2").arg(place.path, place.refusal));
    return read(place.path);
}

Catalogue Catalogue::read(const Text& given)
{
    const Text path = given == userPath() ? userFileInUse() : given;
    Catalogue catalogue(path);
    refuseALink(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        const Text folder = info.absolutePath();
        if (QFileInfo::exists(folder)) {
            if (Text fault = CheckedPath::openFolder(folder).refusal(); !fault.isEmpty())
                raiseCatalogueError(path, fault);
        }
        return catalogue;
    }
    const CheckedPath checked = CheckedPath::openFile(path);
    if (!checked.isOpen())
        raiseCatalogueError(path, checked.refusal());
    QFile file;
    if (!file.open(checked.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        raiseCatalogueError(path, file.errorString());
    if (file.size() > largestCatalogue)
        raiseDamaged(path, QStringLiteral("it is larger than any catalogue"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseCatalogueError(path, file.errorString());
    // The catalogue is written with every control character escaped: a NUL is damage.
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        raiseDamaged(path, QStringLiteral("a NUL byte at byte %1").arg(nul));

    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        raiseDamaged(path, QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(formatField).toInt() != catalogueFormat || !root.value(classesField).isObject())
        raiseDamaged(path, QStringLiteral("it is not a catalogue of format %1").arg(catalogueFormat));
    catalogue.classes_ = root.value(classesField).toObject();
    for (auto entry = catalogue.classes_.begin(); entry != catalogue.classes_.end(); ++entry) {
        try {
            catalogue.entryOf(entry.key());
        } catch (const RuntimeError& error) {
            raiseDamaged(path, QStringLiteral("the entry %1: %2").arg(entry.key(), error.text()));
        }
    }
    return catalogue;
}

void Catalogue::update(const std::function<void(Catalogue&)>& change, const Text& path)
{
    const Text folder = QFileInfo(path).absolutePath();
    // Made in checked folders only, so that no one else's link or folder takes its place.
    if (const CheckedPath made = CheckedPath::makeFolder(folder, isForEveryone(path) ? 0755 : 0700); !made.isOpen())
        raiseCatalogueError(path, made.refusal());
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000))
        raiseCatalogueError(path, lock.error() == QLockFile::LockFailedError
                                      ? QStringLiteral("another program is changing it")
                                      : QStringLiteral("its lock file cannot be made"));
    // A user's catalogue still in its former place moves on its first change: the whole
    // of it is written in the new place first, so the old one goes only once nothing of it
    // can be lost. Should it stay, the new one is read from then on all the same.
    const Text source = path == userPath() ? userFileInUse() : path;
    Catalogue catalogue = read(source);
    change(catalogue);
    catalogue.write(path);
    if (source != path) {
        QFile::remove(source);
        QDir().rmdir(QFileInfo(source).absolutePath());
    }
}

CatalogueEntry Catalogue::entryOf(const Text& classIdentifier) const
{
    const QJsonObject json = classes_.value(classIdentifier).toObject();
    CatalogueEntry entry{classInfoFromJson(json), json.value(libraryField).toString()};
    if (entry.type.identifier != classIdentifier)
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("it describes the class %1").arg(entry.type.identifier));
    if (entry.library.isEmpty())
        throw RuntimeError(RuntimeError::CannotCreateObject, QStringLiteral("it names no library"));
    return entry;
}

std::vector<CatalogueEntry> Catalogue::entries() const
{
    std::vector<CatalogueEntry> all;
    for (const QString& identifier : classes_.keys())  // QJsonObject keeps its keys sorted
        all.push_back(entryOf(identifier));
    return all;
}

bool Catalogue::contains(const Text& classIdentifier) const
{
    return classes_.contains(classIdentifier);
}

CatalogueEntry Catalogue::find(const Text& classIdentifier) const
{
    if (!contains(classIdentifier))
        throw RuntimeError(RuntimeError::CannotCreateObject,
                           QStringLiteral("the class %1 is not registered").arg(classIdentifier));
    return entryOf(classIdentifier);
}

void Catalogue::add(const CatalogueEntry& entry)
{
    QJsonObject json = toJson(entry.type);
    json.insert(libraryField, entry.library);
    classes_.insert(entry.type.identifier, json);
}

int Catalogue::remove(const std::function<bool(const CatalogueEntry&)>& matches)
{
    int removed = 0;
    for (const QString& identifier : classes_.keys()) {
        if (matches(entryOf(identifier))) {
            classes_.remove(identifier);
            ++removed;
        }
    }
    return removed;
}

void Catalogue::write(const Text& path) const
{
    const QJsonObject root{{formatField, catalogueFormat}, {classesField, classes_}};
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    refuseALink(path);
    // Never written in place: a device or a file that can't be replaced is refused.
    if (const FileFailure failure = saveFile(path, bytes, {.newFileMode = isForEveryone(path) ? 0644u : 0600u, .mayWriteInPlace = false}))
        raiseCatalogueError(path, QStringLiteral("it could not be written (%1); it is as it was").arg(failure.reason));
    // Whatever the umask of the one who installs it, every user must be able to read it.
    if (isForEveryone(path))
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

SystemRegistration::SystemRegistration(const Text& path) : previous_(systemRegistrationPath)
{
    systemRegistrationPath = path;
}

SystemRegistration::~SystemRegistration()
{
    systemRegistrationPath = previous_;
}

}  // namespace runtime::components

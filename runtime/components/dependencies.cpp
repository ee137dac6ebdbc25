// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/dependencies_p.h"

#include "runtime/components/elffile_p.h"

#include <QFile>
#include <QFileInfo>

#include <link.h>
#include <sys/auxv.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace runtime::components {
namespace {

// The loader's cache of where each library lies (ldconfig writes it), in its format 1.1:
// a header, then entries of flags, the offsets of a name and of a path, and the hardware
// capabilities the entry is for; the offsets count from the start of the file.
constexpr char cacheMagic[] = "glibc-ld.so.cache1.1";
constexpr qsizetype cacheHeaderSize = 48;
constexpr qsizetype cacheCountOffset = 20;
constexpr qsizetype cacheEntrySize = 24;
constexpr qint64 largestCache = 64 << 20;
#if defined(__x86_64__)
constexpr std::int32_t cacheFlagsOfThisMachine = 0x0303;  // a 64-bit x86 library for glibc
#elif defined(__aarch64__)
constexpr std::int32_t cacheFlagsOfThisMachine = 0x0a03;  // a 64-bit ARM library for glibc
#else
constexpr std::int32_t cacheFlagsOfThisMachine = -1;  // none: the cache is not looked in
#endif

// The folders the loader looks in last, as it was built for this system.
const char* const systemFolders[] = {"/lib/" SUITE_LIBRARY_ARCHITECTURE, "/usr/lib/" SUITE_LIBRARY_ARCHITECTURE, "/lib",
                                     "/usr/lib"};

// Whether `address` lies in one of the loaded library's segments.
bool isInside(const dl_phdr_info& library, ElfW(Addr) address)
{
    for (int index = 0; index < library.dlpi_phnum; ++index) {
        const ElfW(Phdr)& segment = library.dlpi_phdr[index];
        const ElfW(Addr) start = library.dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && address >= start && address - start < segment.p_memsz)
            return true;
    }
    return false;
}

// The name (SONAME) a loaded library declares, read from its dynamic section in memory;
// null when it declares none.
const char* declaredNameOf(const dl_phdr_info& library)
{
    for (int index = 0; index < library.dlpi_phnum; ++index) {
        const ElfW(Phdr)& segment = library.dlpi_phdr[index];
        if (segment.p_type != PT_DYNAMIC)
            continue;
        ElfW(Addr) strings = 0;
        const ElfW(Dyn)* name = nullptr;
        for (auto* entry = reinterpret_cast<const ElfW(Dyn)*>(library.dlpi_addr + segment.p_vaddr); entry->d_tag != DT_NULL;
             ++entry) {
            if (entry->d_tag == DT_STRTAB)
                strings = entry->d_un.d_ptr;
            else if (entry->d_tag == DT_SONAME)
                name = entry;
        }
        // The loader moves the table's address by where the library was put, in place,
        // unless the section is read only; where it lies tells which.
        if (!name || !strings)
            return nullptr;
        if (!isInside(library, strings))
            strings += library.dlpi_addr;
        return isInside(library, strings) ? reinterpret_cast<const char*>(strings + name->d_un.d_val) : nullptr;
    }
    return nullptr;
}

// The names the loader knows the loaded libraries by, which it takes a library it needs to
// be without looking in any folder. Gathered again only when libraries were loaded or let go
// since the last time, which the loader counts.
const std::set<QByteArray>& loadedNames()
{
    struct Known {
        unsigned long long loads = 0;
        unsigned long long releases = 0;
        bool gathered = false;
        std::set<QByteArray> names;
    };
    static Known known;
    bool first = true;
    dl_iterate_phdr(
        [](dl_phdr_info* library, size_t, void* isFirst) {
            if (std::exchange(*static_cast<bool*>(isFirst), false)) {
                if (known.gathered && library->dlpi_adds == known.loads && library->dlpi_subs == known.releases)
                    return 1;
                known = {library->dlpi_adds, library->dlpi_subs, true, {}};
            }
            if (const char* name = declaredNameOf(*library))
                known.names.insert(name);
            return 0;
        },
        &first);
    return known.names;
}

}  // namespace

QByteArray cachedLibraryPath(const QByteArray& name)
{
    const CheckedPath cache = CheckedPath::openFile(QStringLiteral("/etc/ld.so.cache"));
    if (cacheFlagsOfThisMachine < 0 || !cache.isOpen() || cache.status().st_size > largestCache)
        return {};
    QByteArray bytes(qsizetype(cache.status().st_size), '\0');
    std::uint32_t count = 0;
    if (bytes.size() < cacheHeaderSize || !readAt(cache.descriptor(), bytes.data(), size_t(bytes.size()), 0)
        || !bytes.startsWith(cacheMagic))
        return {};
    std::memcpy(&count, bytes.constData() + cacheCountOffset, sizeof count);
    if (count > (bytes.size() - cacheHeaderSize) / cacheEntrySize)
        return {};
    const auto stringAt = [&bytes](std::uint32_t offset) {
        const qsizetype end = offset < bytes.size() ? bytes.indexOf('\0', offset) : -1;
        return end < 0 ? QByteArray() : bytes.mid(offset, end - offset);
    };
    for (std::uint32_t index = 0; index < count; ++index) {
        struct {
            std::int32_t flags;
            std::uint32_t key;
            std::uint32_t value;
            std::uint32_t unused;
            std::uint64_t capabilities;
        } entry;
        static_assert(sizeof entry == cacheEntrySize);
        std::memcpy(&entry, bytes.constData() + cacheHeaderSize + index * cacheEntrySize, sizeof entry);
        // An entry for particular hardware names a copy of one that is for any.
        if (entry.flags == cacheFlagsOfThisMachine && entry.capabilities == 0 && stringAt(entry.key) == name)
            return stringAt(entry.value);
    }
    return {};
}

namespace {

// The folders of a DT_RUNPATH or DT_RPATH, $ORIGIN (the folder of the file that asks)
// put in. A folder that is relative, or names what only the loader knows ($LIB,
// $PLATFORM), is left out; the library is then looked for in the next.
QList<QByteArray> foldersOf(const QByteArray& path, const QByteArray& origin)
{
    QList<QByteArray> folders;
    for (QByteArray folder : path.split(':')) {
        folder.replace("${ORIGIN}", origin).replace("$ORIGIN", origin);
        if (folder.startsWith('/') && !folder.contains('$'))
            folders.append(folder);
    }
    return folders;
}

// The folders of LD_LIBRARY_PATH, which the loader ignores in a program that was given
// more rights than its caller has.
QList<QByteArray> libraryPathFolders()
{
    QList<QByteArray> folders;
    if (getauxval(AT_SECURE))
        return folders;
    for (const QByteArray& folder : qgetenv("LD_LIBRARY_PATH").replace(';', ':').split(':')) {
        if (folder.startsWith('/'))
            folders.append(folder);
    }
    return folders;
}

bool exists(const QByteArray& path)
{
    struct stat status {};
    return ::stat(path.constData(), &status) == 0;
}

// Where the loader would find `name` for the library whose dynamic section is `asking`,
// in the order it looks; empty when nowhere.
QByteArray pathOf(const QByteArray& name, const DynamicSection& asking, const QByteArray& origin)
{
    QList<QByteArray> folders;
    if (asking.runPath.isEmpty())
        folders += foldersOf(asking.rPath, origin);
    folders += libraryPathFolders();
    folders += foldersOf(asking.runPath, origin);
    for (const QByteArray& folder : folders) {
        if (exists(folder + '/' + name))
            return folder + '/' + name;
    }
    if (const QByteArray cached = cachedLibraryPath(name); !cached.isEmpty() && exists(cached))
        return cached;
    for (const char* folder : systemFolders) {
        if (exists(folder + ('/' + name)))
            return folder + ('/' + name);
    }
    return {};
}

// What the dynamic section of the file held by `file` says; where it is damaged, what
// is. Kept while the file is unchanged, as a host checks the same library each time it
// creates one of its controls: a change of the file's bytes changes its status change
// time, which no one can set back.
const DynamicSection& dynamicSectionOfFile(const CheckedPath& file)
{
    using Identity = std::tuple<dev_t, ino_t, time_t, long>;
    static std::map<Identity, DynamicSection> known;
    const struct stat& status = file.status();
    const Identity identity{status.st_dev, status.st_ino, status.st_ctim.tv_sec, status.st_ctim.tv_nsec};
    if (const auto found = known.find(identity); found != known.end())
        return found->second;
    const ProgramHeaders headers = programHeadersOf(file.descriptor());
    DynamicSection section = dynamicSectionOf(file.descriptor(), headers.segments);
    if (!headers.failure.isEmpty())
        section.failure = headers.failure;
    return known.emplace(identity, std::move(section)).first->second;
}

// Finds and checks what a library needs, and what that needs, depth first.
class Search {
public:
    Dependencies found;

    // Why `library`, whose dynamic section is `section`, must not be loaded, or the empty text.
    Text refusalOf(const CheckedPath& library, const DynamicSection& section)
    {
        for (const QByteArray& name : section.needed) {
            if (loaded_.contains(name) || found_.contains(name))
                continue;
            const auto refused = [&](const Text& reason) {
                return QStringLiteral("%1 needs %2, which is refused: %3").arg(library.path(), QFile::decodeName(name), reason);
            };
            if (name.contains('/'))
                return refused(QStringLiteral("it is named by its path, which the system's loader would open unchecked"));
            if (asked_.contains(name))
                return refused(QStringLiteral("it needs, in turn, the library that needs it"));
            const QByteArray path = pathOf(name, section, QFile::encodeName(QFileInfo(library.path()).path()));
            if (path.isEmpty())
                return refused(QStringLiteral("it is in none of the folders the system's loader looks in"));
            CheckedPath dependency = CheckedPath::openFile(QFile::decodeName(path));
            if (!dependency.isOpen())
                return refused(dependency.refusal());
            const DynamicSection& itsSection = dynamicSectionOfFile(dependency);
            if (!itsSection.failure.isEmpty())
                return refused(QStringLiteral("%1: %2").arg(dependency.path(), itsSection.failure));
            // The loader would not know it by the name it is asked for, and would look for it.
            if (itsSection.name != name)
                return refused(QStringLiteral("%1 does not name itself %2").arg(dependency.path(), QFile::decodeName(name)));
            asked_.insert(name);
            if (Text refusal = refusalOf(dependency, itsSection); !refusal.isEmpty())
                return refusal;
            asked_.erase(name);
            found_.insert(name);
            found.files.push_back(std::move(dependency));
        }
        return {};
    }

private:
    const std::set<QByteArray>& loaded_ = loadedNames();
    std::set<QByteArray> found_;  // the names of the dependencies found so far
    std::set<QByteArray> asked_;  // the names being looked for, from the library down
};

}  // namespace

Dependencies checkDependencies(const CheckedPath& library)
{
    const DynamicSection& section = dynamicSectionOfFile(library);
    if (!section.failure.isEmpty())
        return {{}, QStringLiteral("%1 is not a control library: %2").arg(library.path(), section.failure)};
    Search search;
    search.found.refusal = search.refusalOf(library, section);
    if (!search.found.refusal.isEmpty())
        search.found.files.clear();
    return std::move(search.found);
}

}  // namespace runtime::components

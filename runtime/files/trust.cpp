// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/trust_p.h"

#include <QFile>

#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>

#include <endian.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

namespace runtime {
namespace {

// As many as the kernel itself follows in one path.
constexpr int mostLinksFollowed = 40;
// The extended attributes the kernel keeps a file's access lists in.
constexpr char accessListAttribute[] = "system.posix_acl_access";
constexpr char defaultAccessListAttribute[] = "system.posix_acl_default";
// Tries to make a folder that others keep taking the name of, in a folder they may add to.
constexpr int mostFoldersMade = 40;

Text systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Text userName(uid_t user)
{
    const passwd* entry = getpwuid(user);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(user);
}

Text groupName(gid_t group)
{
    const struct group* entry = getgrgid(group);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(group);
}

bool isCallerOrRoot(uid_t user)
{
    return user == geteuid() || user == 0;
}

// One entry of an access list as the kernel stores it in the file's extended attribute.
struct AccessEntry {
    unsigned tag;
    unsigned permissions;
    unsigned id;
};

// The entries of the access list `attribute` of what `descriptor` holds: none when it has
// no list; nothing at all when the list cannot be read. The attribute is read through the
// descriptor's own name in /proc, which names the file held whatever its path names now
// (and which, unlike the descriptor, may be read for a file only looked at).
std::optional<std::vector<AccessEntry>> accessListOf(int descriptor, const char* attribute)
{
    char name[32];
    std::snprintf(name, sizeof name, "/proc/self/fd/%d", descriptor);
    // Room for 62 entries: more than any real list, whose size is then asked for.
    std::vector<char> bytes(512);
    ssize_t size = ::getxattr(name, attribute, bytes.data(), bytes.size());
    if (size < 0 && errno == ERANGE) {
        size = ::getxattr(name, attribute, nullptr, 0);
        bytes.resize(size_t(std::max<ssize_t>(size, 0)));
        size = size < 0 ? size : ::getxattr(name, attribute, bytes.data(), bytes.size());
    }
    if (size < 0)
        return errno == ENODATA || errno == EOPNOTSUPP ? std::optional(std::vector<AccessEntry>()) : std::nullopt;
    posix_acl_xattr_header header;
    const size_t entrySize = sizeof(posix_acl_xattr_entry);
    if (size_t(size) < sizeof header || (size_t(size) - sizeof header) % entrySize != 0)
        return std::nullopt;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (le32toh(header.a_version) != POSIX_ACL_XATTR_VERSION)
        return std::nullopt;
    std::vector<AccessEntry> entries;
    for (size_t offset = sizeof header; offset < size_t(size); offset += entrySize) {
        posix_acl_xattr_entry entry;
        std::memcpy(&entry, bytes.data() + offset, entrySize);
        entries.push_back({le16toh(entry.e_tag), le16toh(entry.e_perm), le32toh(entry.e_id)});
    }
    return entries;
}

// Who, among the named users and groups of an access list, may write through it: the
// mask, where there is one, caps what each of them may do.
Text namedWriterIn(const std::vector<AccessEntry>& entries)
{
    bool maskLetsWrite = true;
    for (const AccessEntry& entry : entries) {
        if (entry.tag == ACL_MASK)
            maskLetsWrite = entry.permissions & ACL_WRITE;
    }
    if (!maskLetsWrite)
        return {};
    for (const AccessEntry& entry : entries) {
        if (!(entry.permissions & ACL_WRITE))
            continue;
        if (entry.tag == ACL_USER && !isCallerOrRoot(entry.id))
            return QStringLiteral("user %1").arg(userName(entry.id));
        if (entry.tag == ACL_GROUP && entry.id != 0)
            return QStringLiteral("group %1").arg(groupName(entry.id));
    }
    return {};
}

// Whether files are to be made in the folders walked, so that the access lists new files
// inherit from them matter too.
enum class NewFiles { None, Made };

// Why a file or folder is not safe, and the command that makes it so, where one does.
struct Unsafe {
    Text reason;
    Text fix;
};

// Why no one but the caller and root can be sure to be the only ones to change the file
// or folder held by `descriptor`, as the class comment says; or no reason. `what` is
// "file" or "folder"; `pathOf()` gives its path, which is only worked out for a refusal.
template <typename PathOf>
Unsafe otherWriterOf(const char* what, const PathOf& pathOf, int descriptor, const struct stat& status, NewFiles newFiles)
{
    const auto refusal = [&](const Text& reason, const Text& fix = {}) {
        return Unsafe{QStringLiteral("%1 %2 %3").arg(QLatin1String(what), pathOf(), reason), fix};
    };
    if (!isCallerOrRoot(status.st_uid))
        return refusal(QStringLiteral("is writable by user %1").arg(userName(status.st_uid)),
                       QStringLiteral("chown %1 %2").arg(userName(geteuid()), pathOf()));
    const bool folder = S_ISDIR(status.st_mode);
    if (folder && newFiles == NewFiles::Made) {
        const auto inherited = accessListOf(descriptor, defaultAccessListAttribute);
        if (!inherited)
            return refusal(QStringLiteral("has a default access list that cannot be read"));
        if (Text writer = namedWriterIn(*inherited); !writer.isEmpty())
            return refusal(QStringLiteral("grants write to %1 in new files through its default access list").arg(writer),
                           QStringLiteral("setfacl -k %1").arg(pathOf()));
    }
    if (folder && (status.st_mode & S_ISVTX))
        return {};
    if (status.st_mode & S_IWOTH)
        return refusal(QStringLiteral("is writable by every user"), QStringLiteral("chmod o-w %1").arg(pathOf()));
    // The group bits show the access list's mask where there is a list: they only say
    // whether anyone of the group class may write, and the list then says who.
    if (!(status.st_mode & S_IWGRP))
        return {};
    const auto entries = accessListOf(descriptor, accessListAttribute);
    if (!entries)
        return refusal(QStringLiteral("has an access list that cannot be read"));
    bool groupMayWrite = entries->empty();
    for (const AccessEntry& entry : *entries) {
        if (entry.tag == ACL_GROUP_OBJ)
            groupMayWrite = entry.permissions & ACL_WRITE;
    }
    if (groupMayWrite && status.st_gid != 0)
        return refusal(QStringLiteral("is writable by group %1, and only root's group may be (chmod g-w %2)")
                           .arg(groupName(status.st_gid), pathOf()),
                       QStringLiteral("chmod g-w %1").arg(pathOf()));
    if (Text writer = namedWriterIn(*entries); !writer.isEmpty())
        return refusal(QStringLiteral("grants write to %1 through its access list").arg(writer),
                       QStringLiteral("setfacl -b %1").arg(pathOf()));
    return {};
}

// A sticky folder every user may add to, as /tmp.
bool isSharedStickyFolder(const struct stat& status)
{
    return (status.st_mode & S_ISVTX) && (status.st_mode & S_IWOTH);
}

std::deque<QByteArray> namesOf(const QByteArray& path)
{
    std::deque<QByteArray> names;
    for (const QByteArray& name : path.split('/')) {
        if (!name.isEmpty() && name != ".")
            names.push_back(name);
    }
    return names;
}

QByteArray readLink(int link)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(link, "", target.data(), target.size());
    target.resize(length > 0 ? length : 0);
    return target;
}

}  // namespace

// Walks a path from the root folder as the class comment says, and opens what it names.
struct Walk {
    enum class Wanted { File, Folder, MadeFolder };

    explicit Walk(Wanted wanted, mode_t madeMode = 0) : wanted(wanted), madeMode(madeMode) {}

    Wanted wanted;
    mode_t madeMode;

    // The folders walked into so far, each checked, from the root down; their names, and
    // their status.
    std::vector<Descriptor> folders;
    std::vector<QByteArray> names;
    std::vector<struct stat> statuses;
    bool madeLast = false;

    // A file is only read; files may be made in a folder.
    NewFiles newFiles() const { return wanted == Wanted::File ? NewFiles::None : NewFiles::Made; }

    Text pathTo(const QByteArray& name) const
    {
        QByteArray joined;
        for (const QByteArray& folder : names)
            joined += '/' + folder;
        if (!name.isEmpty())
            joined += '/' + name;
        return joined.isEmpty() ? QStringLiteral("/") : QFile::decodeName(joined);
    }

    static CheckedPath refused(const Text& reason, const Text& fix = {})
    {
        CheckedPath refused;
        refused.refusal_ = reason;
        refused.fix_ = fix;
        return refused;
    }

    CheckedPath found(Descriptor descriptor, const Text& path, const struct stat& status) const
    {
        CheckedPath found;
        found.descriptor_ = std::move(descriptor);
        found.path_ = path;
        found.status_ = status;
        found.made_ = madeLast;
        return found;
    }

    // Makes the missing folder `name` in the last folder walked into, private to the
    // caller until its mode is set through its own descriptor; never by its path, which
    // could name something else by then. Returns why it could not, or the empty text.
    Text make(const QByteArray& name, bool last)
    {
        const Text here = pathTo(name);
        if (::mkdirat(folders.back().get(), name.constData(), 0700) != 0)
            return errno == EEXIST ? Text() : QStringLiteral("%1 cannot be made: %2").arg(here, systemReason(errno));
        const Descriptor made(::openat(folders.back().get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        if (!made.isOpen() || ::fstat(made.get(), &status) != 0 || status.st_uid != geteuid())
            return QStringLiteral("%1 was replaced while it was being made").arg(here);
        if (::fchmod(made.get(), madeMode) != 0)
            return QStringLiteral("%1: %2").arg(here, systemReason(errno));
        madeLast = last;
        return {};
    }

    CheckedPath operator()(const Text& path)
    {
        if (!path.startsWith(QLatin1Char('/')))
            return refused(QStringLiteral("the path \"%1\" is not absolute").arg(path));
        struct stat status {};
        folders.emplace_back(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!folders.back().isOpen() || ::fstat(folders.back().get(), &status) != 0)
            return refused(QStringLiteral("/: %1").arg(systemReason(errno)));
        if (Unsafe unsafe = otherWriterOf("folder", [] { return QStringLiteral("/"); }, folders.back().get(), status, newFiles()); !unsafe.reason.isEmpty())
            return refused(unsafe.reason, unsafe.fix);
        statuses.push_back(status);

        std::deque<QByteArray> pending = namesOf(QFile::encodeName(path));
        int linksFollowed = 0;
        int foldersMade = 0;
        while (!pending.empty()) {
            const QByteArray name = pending.front();
            pending.pop_front();
            if (name == "..") {
                if (folders.size() > 1) {
                    folders.pop_back();
                    names.pop_back();
                    statuses.pop_back();
                }
                continue;
            }
            const auto here = [&] { return pathTo(name); };
            const bool last = pending.empty();
            Descriptor entry(::openat(folders.back().get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            if (!entry.isOpen() && errno == ENOENT && wanted == Wanted::MadeFolder) {
                if (++foldersMade > mostFoldersMade)
                    return refused(QStringLiteral("%1 cannot be made: others keep taking its name").arg(here()));
                if (Text failure = make(name, last); !failure.isEmpty())
                    return refused(failure);
                pending.push_front(name);
                continue;
            }
            if (!entry.isOpen() || ::fstat(entry.get(), &status) != 0)
                return refused(QStringLiteral("%1: %2").arg(here(), systemReason(errno)));
            if (S_ISLNK(status.st_mode)) {
                if (++linksFollowed > mostLinksFollowed)
                    return refused(QStringLiteral("%1: %2").arg(here(), systemReason(ELOOP)));
                if (isSharedStickyFolder(statuses.back()) && !isCallerOrRoot(status.st_uid)
                    && status.st_uid != statuses.back().st_uid)
                    return refused(QStringLiteral("%1 is a symbolic link of user %2 in a folder every user may add to; "
                                                  "it is not followed")
                                       .arg(here(), userName(status.st_uid)));
                const QByteArray target = readLink(entry.get());
                if (target.startsWith('/')) {
                    folders.resize(1);
                    names.clear();
                    statuses.resize(1);
                }
                const std::deque<QByteArray> targetNames = namesOf(target);
                pending.insert(pending.begin(), targetNames.begin(), targetNames.end());
                continue;
            }
            if (!last || wanted != Wanted::File) {
                if (!S_ISDIR(status.st_mode))
                    return refused(QStringLiteral("%1 is not a folder").arg(here()));
                if (Unsafe unsafe = otherWriterOf("folder", here, entry.get(), status, newFiles()); !unsafe.reason.isEmpty())
                    return refused(unsafe.reason, unsafe.fix);
                if (last)
                    return found(std::move(entry), here(), status);
                folders.push_back(std::move(entry));
                names.push_back(name);
                statuses.push_back(status);
                continue;
            }
            if (!S_ISREG(status.st_mode))
                return refused(QStringLiteral("%1 is not an ordinary file").arg(here()));
            // The name was looked at without opening what it names (a pipe would block); now
            // it is opened for reading, and must still be the same file.
            Descriptor file(::openat(folders.back().get(), name.constData(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
            struct stat opened {};
            if (!file.isOpen() || ::fstat(file.get(), &opened) != 0)
                return refused(QStringLiteral("%1: %2").arg(here(), systemReason(errno)));
            if (opened.st_dev != status.st_dev || opened.st_ino != status.st_ino)
                return refused(QStringLiteral("%1 was replaced while it was being checked").arg(here()));
            if (Unsafe unsafe = otherWriterOf("file", here, file.get(), opened, newFiles()); !unsafe.reason.isEmpty())
                return refused(unsafe.reason, unsafe.fix);
            return found(std::move(file), here(), opened);
        }
        // The path ends at a folder already walked into: the root, or after "..".
        if (wanted == Wanted::File)
            return refused(QStringLiteral("%1 is not an ordinary file").arg(pathTo({})));
        return found(std::move(folders.back()), pathTo({}), statuses.back());
    }
};

CheckedPath CheckedPath::openFile(const Text& path)
{
    return Walk(Walk::Wanted::File)(path);
}

CheckedPath CheckedPath::openFolder(const Text& path)
{
    return Walk(Walk::Wanted::Folder)(path);
}

CheckedPath CheckedPath::makeFolder(const Text& path, mode_t mode)
{
    return Walk(Walk::Wanted::MadeFolder, mode)(path);
}

}  // namespace runtime

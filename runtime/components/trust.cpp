#include "runtime/components/trust.h"

#include <QFile>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace runtime::components {
namespace {

// As many as the kernel itself follows in one path.
constexpr int mostLinksFollowed = 40;

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

// Whether no account but the caller can write through `group`: it lists no other member,
// and no other account has it as its primary group (which the group's member list does not
// show). Debian gives each user such a group, and a umask that lets it write.
bool onlyTheCallerIsIn(gid_t group)
{
    const uid_t caller = geteuid();
    const passwd* user = getpwuid(caller);
    const std::string callerName = user ? user->pw_name : "";
    const struct group* entry = getgrgid(group);
    if (!entry)
        return false;
    for (char** member = entry->gr_mem; *member; ++member) {
        if (callerName != *member)
            return false;
    }
    bool alone = true;
    setpwent();
    while (const passwd* account = getpwent()) {
        if (account->pw_gid == group && account->pw_uid != caller) {
            alone = false;
            break;
        }
    }
    endpwent();
    return alone;
}

// Who other than the caller and root could change the file or folder, or the empty text.
// A sticky folder's entries can only be renamed or removed by their owners, so only its
// own owner counts there.
Text otherWriterOf(const struct stat& status)
{
    if (status.st_uid != geteuid() && status.st_uid != 0)
        return QStringLiteral("user %1").arg(userName(status.st_uid));
    if (S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX))
        return {};
    if (status.st_mode & S_IWOTH)
        return QStringLiteral("every user");
    if ((status.st_mode & S_IWGRP) && !onlyTheCallerIsIn(status.st_gid))
        return QStringLiteral("group %1").arg(groupName(status.st_gid));
    return {};
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

enum class Wanted { File, Folder };

struct Walked {
    Descriptor descriptor;
    Text refusal;
    Text path;
    struct stat status {};
};

Walked refused(const Text& reason)
{
    return {Descriptor(), reason, {}, {}};
}

// Walks `path` from the root folder as the class comment says, and opens what it names:
// an ordinary file for reading, or a folder for looking at.
Walked walk(const Text& path, Wanted wanted)
{
    if (!path.startsWith(QLatin1Char('/')))
        return refused(QStringLiteral("the path \"%1\" is not absolute").arg(path));
    // The folders walked into so far, each checked, from the root down; and their names.
    std::vector<Descriptor> folders;
    std::vector<QByteArray> names;
    auto pathTo = [&names](const QByteArray& name) {
        QByteArray joined;
        for (const QByteArray& folder : names)
            joined += '/' + folder;
        if (!name.isEmpty())
            joined += '/' + name;
        return joined.isEmpty() ? QStringLiteral("/") : QFile::decodeName(joined);
    };

    struct stat status {};
    folders.emplace_back(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folders.back().isOpen() || ::fstat(folders.back().get(), &status) != 0)
        return refused(QStringLiteral("/: %1").arg(systemReason(errno)));
    if (Text writer = otherWriterOf(status); !writer.isEmpty())
        return refused(QStringLiteral("folder / is writable by %1").arg(writer));

    std::deque<QByteArray> pending = namesOf(QFile::encodeName(path));
    int linksFollowed = 0;
    while (!pending.empty()) {
        const QByteArray name = pending.front();
        pending.pop_front();
        if (name == "..") {
            if (folders.size() > 1) {
                folders.pop_back();
                names.pop_back();
            }
            continue;
        }
        const auto here = [&] { return pathTo(name); };
        Descriptor entry(::openat(folders.back().get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!entry.isOpen() || ::fstat(entry.get(), &status) != 0)
            return refused(QStringLiteral("%1: %2").arg(here(), systemReason(errno)));
        if (S_ISLNK(status.st_mode)) {
            if (++linksFollowed > mostLinksFollowed)
                return refused(QStringLiteral("%1: %2").arg(here(), systemReason(ELOOP)));
            const QByteArray target = readLink(entry.get());
            if (target.startsWith('/')) {
                folders.resize(1);
                names.clear();
            }
            const std::deque<QByteArray> targetNames = namesOf(target);
            pending.insert(pending.begin(), targetNames.begin(), targetNames.end());
            continue;
        }
        const bool last = pending.empty();
        if (!last || wanted == Wanted::Folder) {
            if (!S_ISDIR(status.st_mode))
                return refused(QStringLiteral("%1 is not a folder").arg(here()));
            if (Text writer = otherWriterOf(status); !writer.isEmpty())
                return refused(QStringLiteral("folder %1 is writable by %2").arg(here(), writer));
            if (last)
                return {std::move(entry), {}, here(), status};
            folders.push_back(std::move(entry));
            names.push_back(name);
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
        if (Text writer = otherWriterOf(opened); !writer.isEmpty())
            return refused(QStringLiteral("file %1 is writable by %2").arg(here(), writer));
        return {std::move(file), {}, here(), opened};
    }
    // The path ends at a folder already walked into: the root, or after "..".
    if (wanted == Wanted::File)
        return refused(QStringLiteral("%1 is not an ordinary file").arg(pathTo({})));
    ::fstat(folders.back().get(), &status);
    return {std::move(folders.back()), {}, pathTo({}), status};
}

}  // namespace

CheckedFile CheckedFile::open(const Text& path)
{
    Walked walked = walk(path, Wanted::File);
    CheckedFile file;
    file.descriptor_ = std::move(walked.descriptor);
    file.refusal_ = walked.refusal;
    file.path_ = walked.path;
    file.status_ = walked.status;
    return file;
}

Text untrustedFolderReason(const Text& path)
{
    return walk(path, Wanted::Folder).refusal;
}

}  // namespace runtime::components

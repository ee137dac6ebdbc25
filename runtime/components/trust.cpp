#include "runtime/components/trust.h"

#include <QDir>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace runtime::components {
namespace {

Text systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A group that only the caller belongs to: the user's own group of the same name, as
// Debian makes one for each user (whose usual umask then leaves files group-writable).
bool isPrivateGroup(gid_t group)
{
    const passwd* user = getpwuid(geteuid());
    const struct group* entry = getgrgid(group);
    if (!user || !entry || user->pw_gid != group)
        return false;
    return entry->gr_mem[0] == nullptr && std::strcmp(entry->gr_name, user->pw_name) == 0;
}

Text modeFault(const struct stat& status, const Text& what)
{
    if (status.st_uid != geteuid() && status.st_uid != 0)
        return QStringLiteral("%1 belongs to another user").arg(what);
    if (status.st_mode & S_IWOTH)
        return QStringLiteral("%1 can be written by every user").arg(what);
    if ((status.st_mode & S_IWGRP) && !isPrivateGroup(status.st_gid))
        return QStringLiteral("%1 can be written by its group").arg(what);
    return {};
}

Text folderFault(const Text& folder)
{
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return QStringLiteral("its folder %1 cannot be examined: %2").arg(folder, systemReason(errno));
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (status.st_mode & S_ISVTX)
        return {};
    return modeFault(status, QStringLiteral("its folder %1").arg(folder));
}

}  // namespace

Text untrustedReason(const Text& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return QStringLiteral("the path \"%1\" is not absolute").arg(path);
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("%1: %2").arg(path, systemReason(errno));
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("%1 is not an ordinary file").arg(path);
    if (Text fault = modeFault(status, path); !fault.isEmpty())
        return fault;
    const QFileInfo file(path);
    if (Text fault = folderFault(file.absolutePath()); !fault.isEmpty())
        return QStringLiteral("%1: %2").arg(path, fault);
    const Text target = file.canonicalFilePath();
    if (!target.isEmpty() && target != file.absoluteFilePath()) {
        if (Text fault = folderFault(QFileInfo(target).absolutePath()); !fault.isEmpty())
            return QStringLiteral("%1 (through a symbolic link): %2").arg(path, fault);
    }
    return {};
}

Text untrustedFolderReason(const Text& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("%1: %2").arg(path, systemReason(errno));
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is not a folder").arg(path);
    return modeFault(status, path);
}

}  // namespace runtime::components

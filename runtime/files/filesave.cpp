// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/filesave.h"

#include "runtime/base/error.h"
#include "runtime/files/descriptor.h"
#include "runtime/files/encoding.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

FileFailure lastSystemFailure()
{
    return FileFailure::ofSystem(errno);
}

// The file a link leads to, so that saving through a link replaces that file and the
// link stays; any other path as it is.
QByteArray fileBehind(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
}

// A new file beside `target`, named after it and hidden, created only if no file has
// that name yet; its name is set into `name`.
Descriptor createBeside(const QByteArray& target, mode_t mode, QByteArray& name)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1);
    for (int attempt = 0;; ++attempt) {
        name = folder + '.' + base + '.' + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
        Descriptor created(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode));
        if (created.isOpen() || errno != EEXIST || attempt == 100)
            return created;
    }
}

// Gives the new file the old one's owner and group, or at least its group: only root
// may give a file to another user, and only a member of a group may give it to that one.
// Whether the owner was kept: a file that would change hands is better rewritten in place.
bool keepOwner(int descriptor, const struct stat& old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) == 0)
        return true;
    [[maybe_unused]] const int groupKept = ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
    return false;
}

// For a folder the user cannot write, for another user's file and for a device: the file
// is rewritten where it stands, as editors do.
FileFailure rewriteInPlace(const QByteArray& target, const QByteArray& bytes, bool ordinary)
{
    // Not blocking: a pipe that nobody reads refuses at once instead.
    Descriptor file(::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen() || !writeAll(file.get(), bytes))
        return lastSystemFailure();
    if (ordinary && (::ftruncate(file.get(), bytes.size()) != 0 || ::fsync(file.get()) != 0))
        return lastSystemFailure();
    if (!file.close())
        return lastSystemFailure();
    return {};
}

}  // namespace

bool writeAll(int descriptor, QByteArrayView bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return false;
        written += result;
    }
    return true;
}

FileFailure saveFile(const Text& path, const QByteArray& bytes, const SaveRules& rules)
{
    const QByteArray target = fileBehind(encodeText(path));
    struct stat old {};
    const bool replaces = ::stat(target.constData(), &old) == 0;
    if (!replaces && errno != ENOENT)
        return lastSystemFailure();
    if (replaces && S_ISDIR(old.st_mode))
        return {RuntimeError::PathFileAccessError, QStringLiteral("it is a folder")};
    if (replaces && !S_ISREG(old.st_mode)) {
        if (!rules.mayWriteInPlace)
            return {RuntimeError::PathFileAccessError, QStringLiteral("it is not an ordinary file")};
        return rewriteInPlace(target, bytes, false);
    }

    QByteArray temporary;
    Descriptor file = createBeside(target, rules.newFileMode, temporary);
    if (!file.isOpen()) {
        if (replaces && rules.mayWriteInPlace && (errno == EACCES || errno == EPERM))
            return rewriteInPlace(target, bytes, true);
        return lastSystemFailure();
    }
    // The owner first: giving a file away clears its setuid and setgid bits. A file of
    // another user that the caller may write (as a member of its group) stays that
    // user's: replacing it would hand it to the caller, with the owner's access bits.
    if (replaces && !keepOwner(file.get(), old) && rules.mayWriteInPlace
        && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0) {
        ::unlink(temporary.constData());
        return rewriteInPlace(target, bytes, true);
    }
    const bool saved = writeAll(file.get(), bytes) && (!replaces || ::fchmod(file.get(), old.st_mode & 07777) == 0)
                       && ::fsync(file.get()) == 0 && file.close() && ::rename(temporary.constData(), target.constData()) == 0;
    if (saved)
        return {};
    const FileFailure failure = lastSystemFailure();
    ::unlink(temporary.constData());
    return failure;
}

}  // namespace runtime

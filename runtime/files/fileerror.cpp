// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/fileerror.h"

#include "runtime/base/error.h"

#include <cerrno>
#include <cstring>

namespace runtime {
namespace {

int numberFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return RuntimeError::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError::PermissionDenied;
    case ENOENT:
        return RuntimeError::FileNotFound;
    default:
        return RuntimeError::PathFileAccessError;
    }
}

}  // namespace

FileFailure FileFailure::ofSystem(int error)
{
    return {numberFor(error), QString::fromLocal8Bit(std::strerror(error))};
}

void raiseFileError(const Text& doing, const Text& path, const FileFailure& failure)
{
    throw RuntimeError(failure.number, QStringLiteral("Cannot %1 %2: %3").arg(doing, path, failure.reason));
}

void raiseFileError(const Text& doing, const Text& path, int systemError)
{
    raiseFileError(doing, path, FileFailure::ofSystem(systemError));
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/datafolder_p.h"

#include "runtime/files/fileerror.h"
#include "runtime/files/filesave.h"
#include "runtime/files/trust_p.h"
#include "runtime/forms/msgbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

// Whether the folder exists and the user may make files in it.
bool userCanWrite(const Text& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// Whether a folder, or a link that may stand for one, already has the folder's name: a
// refused one then cannot be used, rather than made.
bool folderIsThere(const Text& folder)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0
           && (S_ISDIR(status.st_mode) || S_ISLNK(status.st_mode));
}

// Why the folder `checked` for `folder` cannot be made, or the one there cannot be used;
// empty when it is ready.
Text whyUnusable(const Text& folder, const CheckedPath& checked)
{
    const Text cannotMake = QStringLiteral("Cannot make the folder %1 for this program's files: %2");
    const Text cannotUse = QStringLiteral("Cannot use the folder %1 for this program's files: %2");
    if (!checked.isOpen())
        return (folderIsThere(folder) ? cannotUse : cannotMake).arg(folder, checked.refusal());
    // Only root's folder gets here, as the walk refuses any other user's: safe from others,
    // but the user could save nothing in it.
    if (checked.status().st_uid != ::geteuid())
        return cannotUse.arg(folder, QStringLiteral("it belongs to root"));
    return {};
}

// Copies each file of `samples` into `folder`, and says which could not be copied and
// why; the others are copied all the same. A copy is saved as a whole or not at all, so
// no part of a sample is left behind.
Text copySamples(const Text& samples, const Text& folder)
{
    QStringList failures;
    for (const QFileInfo& sample : QDir(samples).entryInfoList(QDir::Files, QDir::Name)) {
        QFile source(sample.filePath());
        Text reason;
        if (!source.open(QIODevice::ReadOnly))
            reason = source.errorString();
        else if (const QByteArray bytes = source.readAll(); source.error() != QFileDevice::NoError)
            reason = source.errorString();
        else if (const FileFailure failure = saveFile(folder + '/' + sample.fileName(), bytes))
            reason = failure.reason;
        if (!reason.isEmpty())
            failures << QStringLiteral("Cannot copy the sample %1 into %2: %3").arg(sample.filePath(), folder, reason);
    }
    return failures.join('\n');
}

}  // namespace

Text DataFolder::suiteHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/desktop-suite");
}

DataFolder DataFolder::settle(const Text& executableFolder, const Text& programName)
{
    // Installed beside the programs as share/ lies beside bin/, wherever the tree was put.
    // A build or a copy of a program has no such folder beside it.
    const Text installedSamples = QDir::cleanPath(executableFolder + QStringLiteral("/" SUITE_SAMPLES_FROM_PROGRAMS));
    const bool installed = QFileInfo(installedSamples).isDir();
    if (!installed && userCanWrite(executableFolder))
        return {executableFolder, {}};

    const Text folder = suiteHome() + u'/' + programName;
    // Private to the user, as the XDG base directory rules ask of a data home that has to be
    // made.
    const CheckedPath checked = CheckedPath::makeFolder(folder, 0700);
    if (const Text reason = whyUnusable(folder, checked); !reason.isEmpty())
        return {folder, reason};
    if (!checked.made())
        return {folder, {}};
    return {folder, copySamples(installedSamples + '/' + programName, folder)};
}

void DataFolder::reportFailure() const
{
    if (!failure.isEmpty())
        msgBox(failure, {Buttons::OkOnly, Icon::Exclamation});
}

}  // namespace runtime

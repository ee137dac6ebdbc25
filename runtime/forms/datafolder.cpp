#include "runtime/forms/datafolder.h"

#include "runtime/files/fileerror.h"
#include "runtime/files/filesave.h"
#include "runtime/forms/msgbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

// Whether the folder exists and the user may make files in it.
bool userCanWrite(const Text& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// Makes `path` and every missing folder above it, each private to the user, as the XDG
// base directory rules ask of a data home that has to be made. Returns the reason it
// could not, empty when the folder is there; `made` tells whether it was made now.
Text makeFolders(const Text& path, bool& made)
{
    made = false;
    const QByteArray encoded = QFile::encodeName(QDir::cleanPath(path));
    for (qsizetype slash = encoded.indexOf('/', 1);; slash = encoded.indexOf('/', slash + 1)) {
        const QByteArray folder = slash < 0 ? encoded : encoded.left(slash);
        if (::mkdir(folder.constData(), 0700) == 0)
            made = slash < 0;
        else if (errno != EEXIST)
            return FileFailure::ofSystem(errno).reason;
        if (slash < 0)
            break;
    }
    return QFileInfo(path).isDir() ? Text() : QStringLiteral("a file of that name is in the way");
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

DataFolder DataFolder::settle(const Text& executableFolder, const Text& programName)
{
    // Installed beside the programs as share/ lies beside bin/, wherever the tree was put.
    // A build or a copy of a program has no such folder beside it.
    const Text installedSamples = QDir::cleanPath(executableFolder + QStringLiteral("/" SUITE_SAMPLES_FROM_PROGRAMS));
    const bool installed = QFileInfo(installedSamples).isDir();
    if (!installed && userCanWrite(executableFolder))
        return {executableFolder, {}};

    const Text dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const Text folder = dataHome + QStringLiteral("/desktop-suite/") + programName;
    bool made = false;
    if (const Text reason = makeFolders(folder, made); !reason.isEmpty())
        return {folder, QStringLiteral("Cannot make the folder %1 for this program's files: %2").arg(folder, reason)};
    if (!made)
        return {folder, {}};
    return {folder, copySamples(installedSamples + '/' + programName, folder)};
}

void DataFolder::reportFailure() const
{
    if (!failure.isEmpty())
        msgBox(failure, {Buttons::OkOnly, Icon::Exclamation});
}

}  // namespace runtime

#include "runtime/files/textfile.h"

#include "runtime/base/error.h"
#include "runtime/files/encoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace runtime {
namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

[[noreturn]] void raiseFileError(int number, const QString& doing, const Text& path, const QString& reason)
{
    throw RuntimeError(number, QStringLiteral("Cannot %1 %2: %3").arg(doing, path, reason));
}

int numberFor(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::OpenError: return RuntimeError::PathFileAccessError;
    case QFileDevice::PermissionsError: return RuntimeError::PermissionDenied;
    case QFileDevice::ResourceError: return RuntimeError::DiskFull;
    default: return RuntimeError::PathFileAccessError;
    }
}

}  // namespace

InputFile::InputFile(const Text& path) : path_(path)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        raiseFileError(RuntimeError::PathFileAccessError, QStringLiteral("read"), path,
                       QStringLiteral("it is a folder"));
    if (!file.open(QIODevice::ReadOnly)) {
        const int number = file.exists() ? numberFor(file.error()) : RuntimeError::FileNotFound;
        raiseFileError(number, QStringLiteral("open"), path, file.errorString());
    }
    contents_ = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseFileError(numberFor(file.error()), QStringLiteral("read"), path, file.errorString());
}

Text InputFile::readLine()
{
    if (atEnd())
        throw RuntimeError(RuntimeError::InputPastEndOfFile, QStringLiteral("Input past end of file %1").arg(path_));
    qsizetype end = contents_.indexOf('\n', position_);
    const qsizetype next = end == -1 ? contents_.size() : end + 1;
    if (end == -1)
        end = contents_.size();
    if (end > position_ && contents_[end - 1] == '\r')
        --end;
    const Text line = decodeText(QByteArrayView(contents_).sliced(position_, end - position_));
    position_ = next;
    return line;
}

// The temporary file of an ordinary target, or the target itself when it is a device.
struct OutputFile::Target {
    std::unique_ptr<QFileDevice> file;
    bool replacesTarget = false;
};

OutputFile::OutputFile(const Text& path) : target_(std::make_unique<Target>()), path_(path)
{
    const QFileInfo info(path);
    target_->replacesTarget = !info.exists() || info.isFile();
    if (info.isDir())
        raiseFileError(RuntimeError::PathFileAccessError, QStringLiteral("write"), path,
                       QStringLiteral("it is a folder"));
    if (target_->replacesTarget)
        target_->file = std::make_unique<QSaveFile>(path);
    else
        target_->file = std::make_unique<QFile>(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly;
    if (!target_->replacesTarget)
        mode |= QIODevice::Unbuffered;
    if (!target_->file->open(mode))
        raiseFileError(numberFor(target_->file->error()), QStringLiteral("write"), path,
                       target_->file->errorString());
}

OutputFile::~OutputFile()
{
    if (target_->file && target_->replacesTarget)
        static_cast<QSaveFile*>(target_->file.get())->cancelWriting();
}

void OutputFile::writeLine(const Text& line)
{
    const QByteArray bytes = encodeText(line) + lineEnd;
    if (target_->file->write(bytes) != bytes.size())
        raiseFileError(numberFor(target_->file->error()), QStringLiteral("write"), path_,
                       target_->file->errorString());
}

void OutputFile::close()
{
    std::unique_ptr<QFileDevice> file = std::move(target_->file);
    // QSaveFile::commit() can report success after a final write that only partly went
    // through (a full disk), so the buffered lines are flushed and checked first.
    const bool flushed = file->flush();
    const bool written = flushed && (!target_->replacesTarget || static_cast<QSaveFile*>(file.get())->commit());
    if (!written)
        raiseFileError(numberFor(file->error()), QStringLiteral("write"), path_, file->errorString());
}

struct AppendFile::Target {
    QFile file;
};

AppendFile::AppendFile(const Text& path) : target_(std::make_unique<Target>()), path_(path)
{
    target_->file.setFileName(path);
    if (QFileInfo(path).isDir())
        raiseFileError(RuntimeError::PathFileAccessError, QStringLiteral("write"), path,
                       QStringLiteral("it is a folder"));
    if (!target_->file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        raiseFileError(numberFor(target_->file.error()), QStringLiteral("append to"), path,
                       target_->file.errorString());
}

AppendFile::~AppendFile() = default;

void AppendFile::writeLine(const Text& line)
{
    QFile& file = target_->file;
    const qint64 sizeBefore = file.size();
    const QByteArray bytes = encodeText(line) + lineEnd;
    if (file.write(bytes) == bytes.size())
        return;
    const QString reason = file.errorString();
    const int number = numberFor(file.error());
    if (file.isSequential() == false)
        file.resize(sizeBefore);
    raiseFileError(number, QStringLiteral("append to"), path_, reason);
}

void AppendFile::close()
{
    target_->file.close();
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/textfile.h"

#include "runtime/base/error.h"
#include "runtime/files/encoding.h"
#include "runtime/files/fileerror.h"
#include "runtime/files/filesave.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

[[noreturn]] void raiseNotAFile(const Text& doing, const Text& path, const struct stat& status)
{
    raiseFileError(doing, path, {RuntimeError::PathFileAccessError, S_ISDIR(status.st_mode) ? QStringLiteral("it is a folder")
                                                                                          : QStringLiteral("it is not an ordinary file")});
}

// Cuts off the part of a line that went through before a write failed. If even that
// fails, the part stays: there is nothing more to try.
void takeBack(int descriptor, off_t size)
{
    [[maybe_unused]] const int cut = ::ftruncate(descriptor, size);
}

}  // namespace

InputFile::InputFile(const Text& path) : path_(path)
{
    const QString reading = QStringLiteral("read");
    // Not blocking: a pipe with no writer would otherwise hold the program here for ever.
    Descriptor file(::open(encodeText(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen())
        raiseFileError(QStringLiteral("open"), path, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        raiseFileError(reading, path, errno);
    if (!S_ISREG(status.st_mode))
        raiseNotAFile(reading, path, status);
    const auto raiseTooLarge = [&] {
        raiseFileError(reading, path, {RuntimeError::OutOfMemory, QStringLiteral("it is larger than %1 MB, the most a program reads")
                                                                      .arg(largestFile / (1024 * 1024))});
    };
    if (status.st_size > largestFile)
        raiseTooLarge();
    // The size is a hint: the file may grow or shrink while it is read.
    contents_.resize(status.st_size + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == contents_.size())
            contents_.resize(std::min<qint64>(2 * contents_.size(), largestFile + 1));
        const ssize_t got = ::read(file.get(), contents_.data() + filled, contents_.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            raiseFileError(reading, path, errno);
        if (got == 0)
            break;
        filled += got;
        if (filled > largestFile)
            raiseTooLarge();
    }
    contents_.resize(filled);
    contents_.squeeze();
}

Text InputFile::readLine()
{
    return decodeText(nextLine());
}

QByteArray InputFile::readAllBytes()
{
    QByteArray rest = position_ == 0 ? std::move(contents_) : contents_.mid(position_);
    contents_.clear();
    position_ = 0;
    return rest;
}

TextList InputFile::readLines()
{
    const qsizetype rest = contents_.size() - position_;
    TextList lines;
    lines.reserve(QByteArrayView(contents_).sliced(position_).count('\n') + 1, rest);
    while (!atEnd()) {
        const QByteArrayView line = nextLine();
        // An ASCII line is its own text: no copy of it in two-byte characters is made,
        // so that reading a file of one long line takes little more than the file.
        if (std::all_of(line.begin(), line.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
            lines.append(QLatin1StringView(line));
        else
            lines.append(decodeText(line));
    }
    return lines;
}

QByteArrayView InputFile::nextLine()
{
    if (atEnd())
        throw RuntimeError(RuntimeError::InputPastEndOfFile, QStringLiteral("Input past end of file %1").arg(path_));
    const qsizetype lineFeed = contents_.indexOf('\n', position_);
    const qsizetype next = lineFeed == -1 ? contents_.size() : lineFeed + 1;
    qsizetype end = lineFeed == -1 ? contents_.size() : lineFeed;
    // A CR is part of the line end only before a LF: one that ends the file without a LF
    // after it is the line's own, like a lone CR anywhere else, so that it is kept.
    if (lineFeed != -1 && end > position_ && contents_[end - 1] == '\r')
        --end;
    const QByteArrayView line = QByteArrayView(contents_).sliced(position_, end - position_);
    position_ = next;
    return line;
}

OutputFile::OutputFile(const Text& path) : path_(path) {}

void OutputFile::writeLine(const Text& line)
{
    contents_ += encodeText(line) + lineEnd;
}

void OutputFile::close()
{
    if (const FileFailure failure = saveFile(path_, contents_))
        raiseFileError(QStringLiteral("write"), path_, failure);
}

AppendFile::AppendFile(const Text& path) : path_(path)
{
    file_ = Descriptor(::open(encodeText(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!file_.isOpen())
        raiseFileError(QStringLiteral("append to"), path, errno);
}

void AppendFile::writeLine(const Text& line)
{
    const QByteArray bytes = encodeText(line) + lineEnd;
    struct stat before {};
    const bool ordinary = ::fstat(file_.get(), &before) == 0 && S_ISREG(before.st_mode);
    if (writeAll(file_.get(), bytes) && (!ordinary || ::fsync(file_.get()) == 0))
        return;
    const int error = errno;
    if (ordinary)
        takeBack(file_.get(), before.st_size);
    raiseFileError(QStringLiteral("append to"), path_, error);
}

void AppendFile::close()
{
    if (file_.isOpen() && !file_.close())
        raiseFileError(QStringLiteral("append to"), path_, errno);
}

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Sequential text files. Lines are read without their line end (CR LF or a bare LF)
/// and written with CR LF. Every failure raises a RuntimeError that names the file and
/// the system's reason.

#include "runtime/runtime_export.h"

#include "runtime/base/text.h"
#include "runtime/base/textlist.h"
#include "runtime/files/descriptor.h"

#include <QByteArray>

namespace runtime {

/// An ordinary file read whole when opened, then line by line. A folder, a device, a
/// pipe or a socket is refused at once, without waiting for anything to arrive, and so
/// is a file larger than largestFile.
class RUNTIME_EXPORT InputFile {
public:
    /// The largest file a program reads, 64 MiB: a larger one raises OutOfMemory.
    static constexpr qint64 largestFile = 64 * 1024 * 1024;

    /// Opens the file at `path` and reads it whole.
    explicit InputFile(const Text& path);

    /// True once every line has been read.
    bool atEnd() const { return position_ >= contents_.size(); }
    /// The next line; past the last one it raises InputPastEndOfFile.
    Text readLine();
    /// Every line not read yet, kept compactly: a long file costs about its size once more.
    TextList readLines();
    /// Every byte not read yet, as the file holds them, handed over in one piece.
    QByteArray readAllBytes();

private:
    QByteArrayView nextLine();

    Text path_;
    QByteArray contents_;
    qsizetype position_ = 0;
};

/// A file opened for writing, created or replaced. The lines are kept until close(),
/// which saves them all with saveFile: a failure at any step leaves the previous file as
/// it was. Abandoned without close(), it writes nothing.
class RUNTIME_EXPORT OutputFile {
public:
    /// A file to be written at `path`; nothing is opened before close().
    explicit OutputFile(const Text& path);

    /// Adds `line` and a CR LF.
    void writeLine(const Text& line);
    /// Saves every line written as the file's whole contents.
    void close();

private:
    Text path_;
    QByteArray contents_;
};

/// A file opened for adding lines at its end, created when missing. Each line is written
/// in one piece and flushed to the disk; a line that cannot be written whole is taken
/// back, so the file keeps whole lines only.
class RUNTIME_EXPORT AppendFile {
public:
    /// Opens the file at `path` for adding lines, creating it when missing.
    explicit AppendFile(const Text& path);

    /// Adds `line` and a CR LF at the end of the file, now.
    void writeLine(const Text& line);
    /// Closes the file; a write that only now turns out to have failed raises.
    void close();

private:
    Text path_;
    Descriptor file_;
};

}  // namespace runtime

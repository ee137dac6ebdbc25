#pragma once

#include "runtime/base/text.h"

#include <QByteArray>

#include <memory>

namespace runtime {

// Sequential text files. Lines are read without their line end (CR LF or a bare LF)
// and written with CR LF. Every failure raises a RuntimeError that names the file and
// the system's reason.

// A file opened for reading, line by line.
class InputFile {
public:
    explicit InputFile(const Text& path);

    bool atEnd() const { return position_ >= contents_.size(); }
    Text readLine();

private:
    Text path_;
    QByteArray contents_;
    qsizetype position_ = 0;
};

// A file opened for writing, created or replaced. The lines go to a temporary file
// beside it that takes the file's place only when close() succeeds, so a failed write
// leaves the previous file as it was. A file that is not an ordinary one (a device)
// is written in place.
class OutputFile {
public:
    explicit OutputFile(const Text& path);
    ~OutputFile();

    void writeLine(const Text& line);
    void close();

private:
    struct Target;
    std::unique_ptr<Target> target_;
    Text path_;
};

// A file opened for adding lines at its end, created when missing. Each line is written
// in one piece; a line that cannot be written whole is taken back, so the file keeps
// whole lines only.
class AppendFile {
public:
    explicit AppendFile(const Text& path);
    ~AppendFile();

    void writeLine(const Text& line);
    void close();

private:
    struct Target;
    std::unique_ptr<Target> target_;
    Text path_;
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#include "fuzzing.h"

#include "runtime/files/encoding.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzzing {

void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

runtime::Text unitsOf(QByteArrayView bytes)
{
    runtime::Text text;
    for (qsizetype at = 0; at + 1 < bytes.size(); at += 2)
        text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8)));
    return text;
}

runtime::Text memoryFileWith(QByteArrayView bytes)
{
    static const int descriptor = ::memfd_create("fuzz-input", MFD_CLOEXEC);
    require(descriptor >= 0, "a memory file can be made");
    require(::ftruncate(descriptor, 0) == 0, "the memory file can be emptied");
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t wrote = ::pwrite(descriptor, bytes.data() + written, size_t(bytes.size() - written), written);
        require(wrote > 0, "the memory file takes the input");
        written += wrote;
    }
    return QStringLiteral("/proc/self/fd/%1").arg(descriptor);
}

const runtime::Text& scratchFolder()
{
    static const runtime::Text folder = [] {
        const QByteArray parent = QDir(QStringLiteral("/dev/shm")).exists() ? QByteArrayLiteral("/dev/shm") : QDir::tempPath().toLocal8Bit();
        QByteArray pattern = parent + "/suite-fuzz-XXXXXX";
        require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        const runtime::Text made = runtime::decodeText(pattern);
        // Gone when the run ends, whatever it found.
        static const QByteArray removal = pattern;
        std::atexit([] { QDir(runtime::decodeText(removal)).removeRecursively(); });
        return made;
    }();
    return folder;
}

}  // namespace fuzzing

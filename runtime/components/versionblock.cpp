// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/versionblock.h"

#include "runtime/base/error.h"
#include "runtime/components/elffile_p.h"
#include "runtime/files/descriptor.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QFile>

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace runtime::components {
namespace {

// Q_PLUGIN_METADATA stores the plugin's metadata in an ELF note of this name and type:
// four bytes of header (format version, toolkit version, processor requirements), then
// a CBOR map whose key 2 is the interface identifier and key 4 the JSON file's object.
constexpr char metadataNoteName[] = "qt-project!";
constexpr Elf64_Word metadataNoteType = 0x74510001;
constexpr qsizetype metadataHeaderSize = 4;
constexpr int interfaceKey = 2;
constexpr int metadataKey = 4;
// Far beyond any library's notes; keeps a damaged header from asking for gigabytes.
constexpr Elf64_Xword largestNoteSegment = 1 << 20;

[[noreturn]] void raiseNotALibrary(const Text& path, const Text& reason)
{
    throw RuntimeError(RuntimeError::CannotCreateObject,
                       QStringLiteral("%1 is not a control library: %2").arg(path, reason));
}

// The description of the metadata note in one note segment, if it holds one.
std::optional<QByteArray> metadataNoteIn(const QByteArray& notes, Elf64_Xword alignment)
{
    const auto aligned = [alignment](quint64 offset) { return (offset + alignment - 1) / alignment * alignment; };
    quint64 offset = 0;
    while (offset + sizeof(Elf64_Nhdr) <= quint64(notes.size())) {
        Elf64_Nhdr note;
        std::memcpy(&note, notes.constData() + offset, sizeof note);
        const quint64 name = offset + sizeof note;
        const quint64 description = aligned(name + note.n_namesz);
        const quint64 next = aligned(description + note.n_descsz);
        if (next > quint64(notes.size()))
            break;
        if (note.n_type == metadataNoteType && note.n_namesz == sizeof metadataNoteName
            && std::memcmp(notes.constData() + name, metadataNoteName, sizeof metadataNoteName) == 0)
            return notes.mid(qsizetype(description), qsizetype(note.n_descsz));
        offset = next;
    }
    return std::nullopt;
}

// The CBOR bytes of the file's plugin metadata, or nothing when it carries none.
std::optional<QByteArray> pluginMetadataOf(int descriptor, const Text& path)
{
    const ProgramHeaders headers = programHeadersOf(descriptor);
    if (!headers.failure.isEmpty())
        raiseNotALibrary(path, headers.failure);
    for (const Elf64_Phdr& segment : headers.segments) {
        if (segment.p_type != PT_NOTE)
            continue;
        if (segment.p_filesz > largestNoteSegment)
            raiseNotALibrary(path, QStringLiteral("its notes are damaged"));
        QByteArray notes(qsizetype(segment.p_filesz), '\0');
        if (!readAt(descriptor, notes.data(), size_t(notes.size()), off_t(segment.p_offset)))
            raiseNotALibrary(path, QStringLiteral("its notes are damaged"));
        if (auto metadata = metadataNoteIn(notes, segment.p_align == 8 ? 8 : 4); metadata) {
            if (metadata->size() <= metadataHeaderSize)
                raiseNotALibrary(path, QStringLiteral("its version block is damaged"));
            return metadata->mid(metadataHeaderSize);
        }
    }
    return std::nullopt;
}

}  // namespace

VersionBlock readVersionBlock(int descriptor, const Text& path)
{
    const std::optional<QByteArray> bytes = pluginMetadataOf(descriptor, path);
    if (!bytes)
        raiseNotALibrary(path, QStringLiteral("it carries no version block"));
    QCborParserError parseError;
    const QCborMap metadata = QCborValue::fromCbor(*bytes, &parseError).toMap();
    if (parseError.error != QCborError::NoError)
        raiseNotALibrary(path, QStringLiteral("its version block is damaged (%1)").arg(parseError.errorString()));
    const Text interface = metadata.value(interfaceKey).toString();
    if (interface != QLatin1String(versionBlockInterface))
        raiseNotALibrary(path, QStringLiteral("its version block is of another kind (%1)").arg(interface));
    const QCborMap block = metadata.value(metadataKey).toMap();
    VersionBlock version;
    version.selfRegistering = block.contains(QStringLiteral("OLESelfRegister"));
    if (!version.selfRegistering)
        raiseNotALibrary(path, QStringLiteral("its version block has no OLESelfRegister entry"));
    version.library = block.value(QStringLiteral("library")).toString();
    version.description = block.value(QStringLiteral("description")).toString();
    for (const QCborValue& name : block.value(QStringLiteral("classes")).toArray())
        version.classes.append(name.toString());
    version.runtimeVersion = int(block.value(QStringLiteral("runtimeVersion")).toInteger(0));
    if (version.library.isEmpty() || version.classes.isEmpty() || version.runtimeVersion <= 0)
        raiseNotALibrary(path, QStringLiteral("its version block lacks the library's name, classes or runtime version"));
    return version;
}

VersionBlock readVersionBlock(const Text& path)
{
    // Not blocking: a pipe named like a library must not stall the reader.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0)
        raiseNotALibrary(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(status.st_mode))
        raiseNotALibrary(path, QStringLiteral("it is not an ordinary file"));
    return readVersionBlock(file.get(), path);
}

}  // namespace runtime::components

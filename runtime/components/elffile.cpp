// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/elffile_p.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace runtime::components {
namespace {

constexpr Elf64_Half mostProgramHeaders = 4096;
// Far beyond any library's dynamic section and its names; keeps a damaged header from
// asking for gigabytes.
constexpr Elf64_Xword largestDynamicSection = 1 << 20;
constexpr Elf64_Xword largestStringTable = 16 << 20;

bool isSharedLibraryOfThisMachine(const Elf64_Ehdr& header)
{
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ELFCLASS64
        && header.e_ident[EI_DATA] == (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB)
        && header.e_type == ET_DYN && header.e_phentsize == sizeof(Elf64_Phdr);
}

// The file offset of `size` bytes at the address `address` once loaded, when one loaded
// segment holds them all in the file.
std::optional<off_t> fileOffsetOf(const std::vector<Elf64_Phdr>& segments, Elf64_Addr address, Elf64_Xword size)
{
    for (const Elf64_Phdr& segment : segments) {
        if (segment.p_type == PT_LOAD && address >= segment.p_vaddr && size <= segment.p_filesz
            && address - segment.p_vaddr <= segment.p_filesz - size)
            return off_t(segment.p_offset + (address - segment.p_vaddr));
    }
    return std::nullopt;
}

}  // namespace

bool readAt(int descriptor, void* into, size_t size, off_t offset)
{
    auto* bytes = static_cast<char*>(into);
    while (size > 0) {
        const ssize_t read = ::pread(descriptor, bytes, size, offset);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return false;
        bytes += read;
        size -= size_t(read);
        offset += read;
    }
    return true;
}

ProgramHeaders programHeadersOf(int descriptor)
{
    Elf64_Ehdr header;
    if (!readAt(descriptor, &header, sizeof header, 0) || !isSharedLibraryOfThisMachine(header))
        return {{}, QStringLiteral("it is no shared library of this machine")};
    std::vector<Elf64_Phdr> segments(header.e_phnum);
    if (header.e_phnum > mostProgramHeaders
        || !readAt(descriptor, segments.data(), segments.size() * sizeof(Elf64_Phdr), off_t(header.e_phoff)))
        return {{}, QStringLiteral("its program headers are damaged")};
    return {std::move(segments), {}};
}

DynamicSection dynamicSectionOf(int descriptor, const std::vector<Elf64_Phdr>& segments)
{
    DynamicSection section;
    const auto damaged = [&section] {
        section = {};
        section.failure = QStringLiteral("its dynamic section is damaged");
        return section;
    };
    std::vector<Elf64_Dyn> entries;
    for (const Elf64_Phdr& segment : segments) {
        if (segment.p_type != PT_DYNAMIC)
            continue;
        if (segment.p_filesz > largestDynamicSection)
            return damaged();
        entries.resize(segment.p_filesz / sizeof(Elf64_Dyn));
        if (!readAt(descriptor, entries.data(), entries.size() * sizeof(Elf64_Dyn), off_t(segment.p_offset)))
            return damaged();
    }
    Elf64_Addr stringsAddress = 0;
    Elf64_Xword stringsSize = 0;
    for (const Elf64_Dyn& entry : entries) {
        if (entry.d_tag == DT_STRTAB)
            stringsAddress = entry.d_un.d_ptr;
        else if (entry.d_tag == DT_STRSZ)
            stringsSize = entry.d_un.d_val;
    }
    if (entries.empty())
        return section;
    const std::optional<off_t> stringsOffset = fileOffsetOf(segments, stringsAddress, stringsSize);
    if (!stringsOffset || stringsSize == 0 || stringsSize > largestStringTable)
        return damaged();
    QByteArray strings(qsizetype(stringsSize), '\0');
    if (!readAt(descriptor, strings.data(), size_t(strings.size()), *stringsOffset))
        return damaged();
    bool allNamed = true;
    const auto stringAt = [&](Elf64_Xword offset) {
        const qsizetype end = offset < stringsSize ? strings.indexOf('\0', qsizetype(offset)) : -1;
        allNamed = allNamed && end >= 0;
        return end < 0 ? QByteArray() : strings.mid(qsizetype(offset), end - qsizetype(offset));
    };
    for (const Elf64_Dyn& entry : entries) {
        if (entry.d_tag == DT_NULL)
            break;
        if (entry.d_tag == DT_NEEDED)
            section.needed.append(stringAt(entry.d_un.d_val));
        else if (entry.d_tag == DT_SONAME)
            section.name = stringAt(entry.d_un.d_val);
        else if (entry.d_tag == DT_RUNPATH)
            section.runPath = stringAt(entry.d_un.d_val);
        else if (entry.d_tag == DT_RPATH)
            section.rPath = stringAt(entry.d_un.d_val);
    }
    return allNamed ? section : damaged();
}

}  // namespace runtime::components

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

#include <QByteArray>
#include <QList>

#include <elf.h>
#include <sys/types.h>

#include <vector>

namespace runtime::components {

// Reads `size` bytes at `offset` of the file behind `descriptor`: all of them, or fails.
bool readAt(int descriptor, void* into, size_t size, off_t offset);

// The segments of a shared library of this machine, as its program headers describe
// them, read from the open file with every count and size checked against what a real
// library holds. `failure` says what is wrong when the file is no such library or its
// headers are damaged ("it is no shared library of this machine").
struct ProgramHeaders {
    std::vector<Elf64_Phdr> segments;
    Text failure;
};
ProgramHeaders programHeadersOf(int descriptor);

// What a shared library asks of the system's loader: the name it is known by (its
// SONAME), the libraries it needs (DT_NEEDED), and the folders to look for them in, as
// written, with ':' between them (DT_RUNPATH, or the older DT_RPATH).
struct DynamicSection {
    QByteArray name;
    QList<QByteArray> needed;
    QByteArray runPath;
    QByteArray rPath;
    Text failure;  // what is damaged, when it is
};
DynamicSection dynamicSectionOf(int descriptor, const std::vector<Elf64_Phdr>& segments);

}  // namespace runtime::components

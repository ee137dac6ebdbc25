// SPDX-License-Identifier: LGPL-2.1-or-later
// The sample library as another user would plant it: sound in every other way, its
// constructor leaves a mark the moment its code runs, so a test can tell that a host
// never ran it.
#include "entrypoints.h"

#include "runtime/components/versionblock.h"

#include <cstdio>
#include <cstdlib>

namespace {
class LibraryVersion : public runtime::components::VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "sample.json")
};

__attribute__((constructor)) void leaveMark()
{
    if (const char* marker = std::getenv("PLANTED_MARKER")) {
        if (std::FILE* file = std::fopen(marker, "w"))
            std::fclose(file);
    }
}
}  // namespace

#include "planted.moc"

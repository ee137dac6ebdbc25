// SPDX-License-Identifier: LGPL-2.1-or-later
// The sample library as one that needs a library of the system's that a host has not
// loaded (the access list library, which every Debian system has).
#include "entrypoints.h"

#include "runtime/components/versionblock.h"

namespace {
class LibraryVersion : public runtime::components::VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "sample.json")
};
}  // namespace

extern "C" int acl_free(void* object);

// Keeps the system's library among the libraries it needs.
COMPONENT_ENTRY_POINT int sampleAnswer()
{
    return acl_free(nullptr);
}

#include "needingsystem.moc"

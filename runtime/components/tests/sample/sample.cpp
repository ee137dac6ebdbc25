// SPDX-License-Identifier: LGPL-2.1-or-later
// The sample library as it should be.
#include "entrypoints.h"

#include "runtime/components/versionblock.h"

namespace {
class LibraryVersion : public runtime::components::VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "sample.json")
};
}  // namespace

#include "sample.moc"

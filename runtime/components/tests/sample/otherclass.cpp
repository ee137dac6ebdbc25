// SPDX-License-Identifier: LGPL-2.1-or-later
// The sample library whose version block names a class its descriptor does not have.
#include "entrypoints.h"

#include "runtime/components/versionblock.h"

namespace {
class LibraryVersion : public runtime::components::VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "otherclass.json")
};
}  // namespace

#include "otherclass.moc"

// SPDX-License-Identifier: LGPL-2.1-or-later
// The sample library as one that needs a helper library, which it looks for where its
// search path says ($ORIGIN/helpers).
#include "entrypoints.h"
#include "helper.h"

#include "runtime/components/versionblock.h"

namespace {
class LibraryVersion : public runtime::components::VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "sample.json")
};
}  // namespace

// Keeps the helper among the libraries it needs.
COMPONENT_ENTRY_POINT int sampleAnswer()
{
    return sampleHelperAnswer();
}

#include "needing.moc"

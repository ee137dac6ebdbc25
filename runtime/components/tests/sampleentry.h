// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "sampler.h"

#include "runtime/components/catalogue_p.h"
#include "runtime/components/typeinfo.h"

// The sample's class as a catalogue records it, in the library at the given path.
inline runtime::components::CatalogueEntry sampleEntry(const QString& library = "/opt/controls/libsample.so")
{
    return {runtime::components::classInfo(sample::library, *sample::library.classes[0]), library};
}

// SPDX-License-Identifier: LGPL-2.1-or-later
// The four entry points of a sample library; each library source includes it once.
#include "sampler.h"

#include "runtime/components/library.h"

COMPONENT_LIBRARY_ENTRY_POINTS(sample::library)

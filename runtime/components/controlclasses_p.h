// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/privateexport_p.h"

#include "runtime/components/catalogue_p.h"

#include <vector>

namespace runtime::components {

// A registered control class whose library a host must not load, and why.
struct RefusedControl {
    CatalogueEntry entry;
    Text refusal;
};

// The registered control classes as a host offers them for choosing, sorted by class
// identifier: those it may create, and those whose library it would refuse.
struct ControlClasses {
    std::vector<CatalogueEntry> offered;
    std::vector<RefusedControl> refused;
    // Why a catalogue could not be read; the others are listed all the same.
    QStringList unreadable;
};

// Sorts the control classes of the catalogues by whether a host would load their library,
// by the rule hosts follow (see findClass): each library file is opened and its version
// block read, none is loaded.
RUNTIME_PRIVATE_EXPORT ControlClasses controlClasses(const std::vector<CataloguePlace>& places = Catalogue::searchOrder());

}  // namespace runtime::components

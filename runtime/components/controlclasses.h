#pragma once

#include "runtime/components/catalogue.h"

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
};

// Sorts the catalogue's control classes by whether a host would load their library (see
// checkLibrary): each library file is opened and its version block read, none is loaded.
// Raises a RuntimeError when the catalogue cannot be read.
ControlClasses controlClasses(const Text& cataloguePath = {});

}  // namespace runtime::components

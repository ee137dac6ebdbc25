#include "runtime/components/controlclasses.h"

#include "runtime/components/host.h"

namespace runtime::components {
namespace {

// The classes hosts find by class identifier: the one place to widen when they look
// in more than one catalogue.
std::vector<CatalogueEntry> registeredClasses(const Text& cataloguePath)
{
    return Catalogue::read(cataloguePath.isEmpty() ? Catalogue::defaultPath() : cataloguePath).entries();
}

}  // namespace

ControlClasses controlClasses(const Text& cataloguePath)
{
    ControlClasses classes;
    for (CatalogueEntry& entry : registeredClasses(cataloguePath)) {
        if (!entry.type.control)
            continue;
        if (Text refusal = checkLibrary(entry.library, entry.type.identifier).refusal; !refusal.isEmpty())
            classes.refused.push_back({std::move(entry), std::move(refusal)});
        else
            classes.offered.push_back(std::move(entry));
    }
    return classes;
}

}  // namespace runtime::components

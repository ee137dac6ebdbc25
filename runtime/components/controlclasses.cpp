// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/controlclasses_p.h"

#include "runtime/components/host_p.h"

#include <set>

namespace runtime::components {
namespace {

// Every class identifier of the catalogues in `places`, each once, sorted; a catalogue
// that cannot be read adds its reason to `unreadable`.
std::set<Text> classIdentifiers(const std::vector<CataloguePlace>& places, QStringList& unreadable)
{
    std::set<Text> identifiers;
    for (const CataloguePlace& place : places) {
        try {
            for (const CatalogueEntry& entry : Catalogue::read(place).entries())
                identifiers.insert(entry.type.identifier);
        } catch (const RuntimeError& error) {
            unreadable.append(error.text());
        }
    }
    return identifiers;
}

}  // namespace

ControlClasses controlClasses(const std::vector<CataloguePlace>& places)
{
    ControlClasses classes;
    for (const Text& identifier : classIdentifiers(places, classes.unreadable)) {
        // The entry a host would use, by the host's own rule; where none is usable, the
        // first entry with every refusal.
        try {
            FoundClass found = findClass(identifier, places);
            if (found.entry.type.control)
                classes.offered.push_back(std::move(found.entry));
        } catch (const RuntimeError& error) {
            for (const CataloguePlace& place : places) {
                try {
                    const Catalogue catalogue = Catalogue::read(place);
                    if (catalogue.contains(identifier)) {
                        CatalogueEntry entry = catalogue.find(identifier);
                        if (entry.type.control)
                            classes.refused.push_back({std::move(entry), error.text()});
                        break;
                    }
                } catch (const RuntimeError&) {
                    // Already among the unreadable catalogues.
                }
            }
        }
    }
    return classes;
}

}  // namespace runtime::components

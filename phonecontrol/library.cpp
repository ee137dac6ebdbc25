// SPDX-License-Identifier: LGPL-2.1-or-later
// The library tesk: its descriptor and its four entry points, each of which hands the
// call with the descriptor to the runtime's generic component server. Its version block,
// tesk.json, goes in through suite_add_control_library.
#include "phonectrl.h"
#include "phonectrlmembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/library.h"

namespace {

using namespace runtime::components;

constexpr Member phonectrlMembers[] = {
    method<&phonectrl::stdformat>("stdformat", phonectrlmember::stdformat, "", "The number as (area) exchange-line"),
    method<&phonectrl::trendformat>("trendformat", phonectrlmember::trendformat, "", "The number as area.exchange.line"),
};

constexpr Member phonectrlEvents[] = {
    event<&phonectrl::clicked>("clicked", phonectrlmember::clicked, "", "Done was pressed with all three boxes filled"),
};

// A small picture of the control: three white boxes and the Done button on its surface.
constexpr ToolboxPicture phonectrlPicture = {
    "dddddddddddddddd",
    "dddddddddddddddd",
    "dddddddddddddbbd",
    "dddddddddddddbbd",
    "dddddddddddddbbd",
    "d000d000d0000bbd",
    "d0f0d0f0d0ff0bbd",
    "d0f0d0f0d0ff0bbd",
    "d0f0d0f0d0ff0bbd",
    "d000d000d0000bbd",
    "dddddddddddddbbd",
    "dddddddddddddbbd",
    "dddddddddddddbbd",
    "dddddddddddddddd",
    "dddddddddddddddd",
};

constexpr ClassDescriptor phonectrlClass = {
    .name = "phonectrl",
    .id = "{7d282582-027a-4119-ba48-821cb7caffb5}",
    .control = true,
    .defaultInterface = {"_phonectrl", "{1d57d467-5b49-4d52-9b4c-fcba5b469c3e}", Dual | Hidden, phonectrlMembers},
    .eventInterface = {"__phonectrl", "{9e8ede7a-b221-49b6-aaec-c135c2ac00cd}", DispatchOnly | Hidden, phonectrlEvents},
    .threading = ThreadingModel::Apartment,
    .picture = phonectrlPicture,
    .create = &create<phonectrl>,
};

constexpr const ClassDescriptor* classes[] = {&phonectrlClass};

constexpr LibraryDescriptor library = {
    .name = "tesk",
    .id = "{c4103ba4-a1c1-463e-9f76-478c513dbd75}",
    .description = "TXM417 Tesk Phone Control",
    .classes = classes,
};

}  // namespace

COMPONENT_LIBRARY_ENTRY_POINTS(library)

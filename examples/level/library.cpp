// SPDX-License-Identifier: LGPL-2.1-or-later
// The library gauge: its descriptor and its four entry points, each of which hands the
// call with the descriptor to the runtime's generic component server. Its version block,
// gauge.json, goes in through suite_add_control_library.
#include "levelctrl.h"
#include "levelmembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/library.h"

namespace {

using namespace runtime::components;

// In the order in which the type information lists them.
constexpr Member levelctrlMembers[] = {
    property<&levelctrl::level, &levelctrl::setLevel>("level", levelmember::level, "How many segments are lit"),
    designProperty<&levelctrl::steps, &levelctrl::setSteps>("steps", levelmember::steps, 10, "How many segments there are"),
};

constexpr Member levelctrlEvents[] = {
    event<&levelctrl::changed>("changed", levelmember::changed, "level", "The level changed to level"),
};

// A small picture of the control: a row of segments, the first four lit.
constexpr ToolboxPicture levelctrlPicture = {
    "7777777777777777",
    "7777777777777777",
    "7777777777777777",
    "7777777777777777",
    "7000000000000007",
    "70a2a2a2a2878787",
    "70a2a2a2a2878787",
    "70a2a2a2a2878787",
    "70a2a2a2a2878787",
    "70a2a2a2a2878787",
    "7000000000000007",
    "7777777777777777",
    "7777777777777777",
    "7777777777777777",
    "7777777777777777",
};

constexpr ClassDescriptor levelctrlClass = {
    .name = "levelctrl",
    .id = "{513b780a-183b-42fe-839b-7ce45b657ab2}",
    .control = true,
    .defaultInterface = {"_levelctrl", "{bf3def4f-9b30-4cd2-91be-ed9e0c283e74}", Dual | Hidden, levelctrlMembers},
    .eventInterface = {"__levelctrl", "{c5c0b9e3-a022-40ec-b747-ce47a74a207e}", DispatchOnly | Hidden, levelctrlEvents},
    .threading = ThreadingModel::Apartment,
    .picture = levelctrlPicture,
    .create = &create<levelctrl>,
};

constexpr const ClassDescriptor* classes[] = {&levelctrlClass};

constexpr LibraryDescriptor library = {
    .name = "gauge",
    .id = "{914860e7-0a2f-4e13-a21e-9a2a2715ad02}",
    .description = "Gauge Level Meter Control",
    .classes = classes,
};

}  // namespace

COMPONENT_LIBRARY_ENTRY_POINTS(library)

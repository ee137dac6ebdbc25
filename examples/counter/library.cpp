// SPDX-License-Identifier: LGPL-2.1-or-later
// The library tally: its descriptor and its four entry points, each of which hands the
// call with the descriptor to the runtime's generic component server. Its version block,
// tally.json, goes in through suite_add_control_library.
#include "counterctrl.h"
#include "countermembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/library.h"

namespace {

using namespace runtime::components;

// In the order in which the type information lists them.
constexpr Member counterctrlMembers[] = {
    designProperty<&counterctrl::value, &counterctrl::setValue>("value", countermember::value, 0, "The number shown"),
    method<&counterctrl::add>("add", countermember::add, "steps", "Adds steps to the number; negative steps count down"),
};

constexpr Member counterctrlEvents[] = {
    event<&counterctrl::changed>("changed", countermember::changed, "value", "The number changed to value"),
};

// A small picture of the control: a white box with a digit and the "+" button.
constexpr ToolboxPicture counterctrlPicture = {
    "7777777777777777",
    "7000000000077777",
    "70ffffffff07fff7",
    "70ffffff0f07f8f7",
    "70fffff00f07f8f7",
    "70ffffff0f07f8f7",
    "70ffffff0f078887",
    "70ffffff0f07f8f7",
    "70ffffff0f07f8f7",
    "70fffff000f7f8f7",
    "70ffffffff07fff7",
    "7000000000077777",
    "7777777777777777",
    "7777777777777777",
    "7777777777777777",
};

constexpr ClassDescriptor counterctrlClass = {
    .name = "counterctrl",
    .id = "{3f0c5a52-8d1e-4b7a-9c62-5e2d7b41a9f3}",
    .control = true,
    .defaultInterface = {"_counterctrl", "{b8e4a1d7-2c39-4f06-a5d8-91c7e3f4b265}", Dual | Hidden, counterctrlMembers},
    .eventInterface = {"__counterctrl", "{6d2f9b84-7e15-4c3a-b0f2-a4859c1d7e06}", DispatchOnly | Hidden, counterctrlEvents},
    .threading = ThreadingModel::Apartment,
    .picture = counterctrlPicture,
    .create = &create<counterctrl>,
};

constexpr const ClassDescriptor* classes[] = {&counterctrlClass};

constexpr LibraryDescriptor library = {
    .name = "tally",
    .id = "{e1a7c3f5-9b24-4d86-8f1e-3c5b7a9d2e40}",
    .description = "Tally Counter Control",
    .classes = classes,
};

}  // namespace

COMPONENT_LIBRARY_ENTRY_POINTS(library)

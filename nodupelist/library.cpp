// SPDX-License-Identifier: LGPL-2.1-or-later
// The library solvane: its descriptor and its four entry points, each of which hands the
// call with the descriptor to the runtime's generic component server. Its version block,
// solvane.json, goes in through suite_add_control_library.
#include "ulistctrl.h"
#include "ulistctrlmembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/library.h"

namespace {

using namespace runtime::components;

// In the order in which the type information lists them.
constexpr Member ulistctrlMembers[] = {
    method<&ulistctrl::additem>("additem", ulistctrlmember::additem, "str",
                                "Adds str at the end unless the list holds it already"),
    property<&ulistctrl::selected>("selected", ulistctrlmember::selected,
                                   "The text of the selected item; empty with none selected"),
    property<&ulistctrl::count>("count", ulistctrlmember::count, "The number of items, as decimal text"),
};

constexpr Member ulistctrlEvents[] = {
    event<&ulistctrl::clicked>("clicked", ulistctrlmember::clicked, "", "The list was clicked"),
};

// A small picture of the control: a white list with one selected row and a scroll bar.
constexpr ToolboxPicture ulistctrlPicture = {
    "0000000000000000",
    "0ffffffffff07770",
    "0f00f000fff07070",
    "0ffffffffff00000",
    "0f000f00fff07770",
    "0ffffffffff07770",
    "0444444444407770",
    "04ff4fff44407770",
    "0444444444407770",
    "0ffffffffff07770",
    "0f0000f0fff07770",
    "0ffffffffff00000",
    "0f00f00ffff07070",
    "0ffffffffff07770",
    "0000000000000000",
};

constexpr ClassDescriptor ulistctrlClass = {
    .name = "ulistctrl",
    .id = "{6cbe03b0-7cc9-4ef5-b35d-33ce8c8a638a}",
    .control = true,
    .defaultInterface = {"_ulistctrl", "{559dcad6-702a-4f56-8d41-2cdf9f45eacb}", Dual | Hidden, ulistctrlMembers},
    .eventInterface = {"__ulistctrl", "{a2b4d854-ddbf-42b7-8784-c549cbf28434}", DispatchOnly | Hidden, ulistctrlEvents},
    .threading = ThreadingModel::Apartment,
    .picture = ulistctrlPicture,
    .create = &create<ulistctrl>,
};

constexpr const ClassDescriptor* classes[] = {&ulistctrlClass};

constexpr LibraryDescriptor library = {
    .name = "solvane",
    .id = "{638379f5-32ec-4f4a-b835-aad334dabbec}",
    .description = "Listbox which doesn't add duplicates",
    .classes = classes,
};

}  // namespace

COMPONENT_LIBRARY_ENTRY_POINTS(library)

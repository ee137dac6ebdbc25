// The library solvane: its descriptor, its version block and its four entry points, each
// of which hands the call to the runtime's generic component server.
#include "ulistctrl.h"
#include "ulistctrlmembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/server.h"
#include "runtime/components/versionblock.h"

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
    .runtimeVersion = 1,
    .classes = classes,
};

// Carries solvane.json as the library's version block, read by hosts before they load it.
class LibraryVersion : public VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "solvane.json")
};

}  // namespace

COMPONENT_ENTRY_POINT int DllRegisterServer()
{
    return registerServer(library);
}

COMPONENT_ENTRY_POINT int DllUnregisterServer()
{
    return unregisterServer(library);
}

COMPONENT_ENTRY_POINT int DllGetClassObject(const QUuid* classId, ClassFactory** factory)
{
    return getClassObject(library, classId, factory);
}

COMPONENT_ENTRY_POINT int DllCanUnloadNow()
{
    return canUnloadNow(library);
}

#include "library.moc"

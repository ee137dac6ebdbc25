// The library tesk: its descriptor, its version block and its four entry points, each of
// which hands the call to the runtime's generic component server.
#include "phonectrl.h"
#include "phonectrlmembers.h"

#include "runtime/components/binding.h"
#include "runtime/components/server.h"
#include "runtime/components/versionblock.h"

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
    .runtimeVersion = 1,
    .classes = classes,
};

// Carries tesk.json as the library's version block, read by hosts before they load it.
class LibraryVersion : public VersionBlockCarrier {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.runtime.ControlLibrary" FILE "tesk.json")
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

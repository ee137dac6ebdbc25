// The four entry points of a sample library; each library source includes it once.
#include "sampler.h"

#include "runtime/components/server.h"

COMPONENT_ENTRY_POINT int DllRegisterServer()
{
    return runtime::components::registerServer(sample::library);
}

COMPONENT_ENTRY_POINT int DllUnregisterServer()
{
    return runtime::components::unregisterServer(sample::library);
}

COMPONENT_ENTRY_POINT int DllGetClassObject(const QUuid* classId, runtime::components::ClassFactory** factory)
{
    return runtime::components::getClassObject(sample::library, classId, factory);
}

COMPONENT_ENTRY_POINT int DllCanUnloadNow()
{
    return runtime::components::canUnloadNow(sample::library);
}

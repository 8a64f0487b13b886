// The entry points of ZqPillar10.dll.
#include <windows.h>
#include <olectl.h>

#include "com/common/class_factory.h"
#include "com/common/registration.h"
#include "pillar/classes.h"
#include "pillar/report_store.h"
#include "platform/win32/module_lifetime.h"
#include "zqpillar10.h"

namespace {

using cz::com::ClassEntry;

constexpr wchar_t kLibrary[] = L"ZqPillar10";

const ClassEntry kClasses[] = {
    {&CLSID_clsZqfxErrorHandlerA, L"clsZqfxErrorHandlerA", cz::pillar::createErrorHandler},
    {&CLSID_clsZqPillar10A, L"clsZqPillar10A", cz::pillar::createPillar},
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    return cz::com::getClassObject(kClasses, clsid, iid, out);
}

// The kept reports and counts would be lost with the DLL, so it stays loaded once it holds any.
STDAPI DllCanUnloadNow() {
    bool holdsState = cz::pillar::reportCount() > 0 || cz::pillar::aboutCount() > 0;
    return cz::win32::module::inUse() || holdsState ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer() { return cz::com::registerServer(kLibrary, kClasses); }

STDAPI DllUnregisterServer() { return cz::com::unregisterServer(kLibrary, kClasses); }

// The entry points of ChooserPreview.dll.
#include <windows.h>
#include <olectl.h>

#include "chooser_preview.h"
#include "classes.h"
#include "com/common/class_factory.h"
#include "com/common/registration.h"
#include "platform/win32/module_lifetime.h"

namespace {

using cz::com::ClassEntry;

constexpr wchar_t kLibrary[] = L"ChooserPreview";

const ClassEntry kClasses[] = {
    {&CLSID_PictureBox, L"PictureBox", chooser_preview::createPictureBox},
    {&CLSID_EventProbe, L"EventProbe", chooser_preview::createEventProbe},
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    return cz::com::getClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return cz::win32::module::inUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return cz::com::registerServer(kLibrary, kClasses); }

STDAPI DllUnregisterServer() { return cz::com::unregisterServer(kLibrary, kClasses); }

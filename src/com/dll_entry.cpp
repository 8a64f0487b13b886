// The entry points of Chooser10.dll: class objects, the unload test, and registration.
#include <windows.h>
#include <olectl.h>

#include <iterator>

#include "chooser10.h"
#include "com/classes/classes.h"
#include "com/common/class_factory.h"
#include "com/common/registration.h"
#include "frame/thread_state.h"
#include "platform/win32/module_lifetime.h"

namespace {

using cz::com::ClassEntry;
namespace classes = cz::com::classes;

constexpr wchar_t kLibrary[] = L"Chooser10";

const ClassEntry kClasses[] = {
    {&CLSID_clsZqChooser10A, L"clsZqChooser10A", classes::createRootObject},
    {&CLSID_clsZqPickerBFFA, L"clsZqPickerBFFA", classes::createFolderBrowser},
    {&CLSID_clsZqPickerColorDialogA, L"clsZqPickerColorDialogA", classes::createColourDialog},
    {&CLSID_clsZqPickerFileOpenSaveA, L"clsZqPickerFileOpenSaveA", classes::createFileDialog},
    {&CLSID_clsZqPickerFilePpsA, L"clsZqPickerFilePpsA", classes::createFileProperties},
    {&CLSID_clsZqPickerFontDialogA, L"clsZqPickerFontDialogA", classes::createFontDialog},
    {&CLSID_clsZqPickerPrintDialogA, L"clsZqPickerPrintDialogA", classes::createPrintDialog},
    {&CLSID_clsZqPickerAdvancedA, L"clsZqPickerAdvancedA", classes::createAdvanced},
    {&CLSID_clsZqPickerGeneralA, L"clsZqPickerGeneralA", classes::createGeneral},
};

}  // namespace

// Module state is made per thread on first use; a thread's end and the module's end free it, without a
// call into another module (the loader lock is held here).
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_THREAD_DETACH) cz::endThreadState();
    if (reason == DLL_PROCESS_DETACH) cz::endAllThreadStates();
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    return cz::com::getClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return cz::win32::module::inUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return cz::com::registerServer(kLibrary, kClasses); }

STDAPI DllUnregisterServer() { return cz::com::unregisterServer(kLibrary, kClasses); }

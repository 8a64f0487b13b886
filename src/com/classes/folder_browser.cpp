// clsZqPickerBFFA on its dual interface, forwarding to the portable folder browser.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "folder/bff.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerBFFA, u"Chooser10.clsZqPickerBFFA"};

class FolderBrowser final : public DualObject<_clsZqPickerBFFA> {
public:
    FolderBrowser() : DualObject(kIdentity) {}

    STDMETHODIMP Init(BSTR* InitialPath, LONG* HWndOwner, BSTR* DialogTitle, ::EBrowseForFolderFlags* Flags) override {
        return run([&] { logic_.Init(text(slot(InitialPath)), slot(HWndOwner), text(slot(DialogTitle)), slot(Flags)); });
    }
    STDMETHODIMP Browse(VARIANT_BOOL* result) override { return run([&] { giveFlag(result, logic_.Browse()); }); }

    STDMETHODIMP put_Flags(::EBrowseForFolderFlags value) override { return run([&] { logic_.Flags(value); }); }
    STDMETHODIMP get_Flags(::EBrowseForFolderFlags* value) override { return run([&] { give(value, logic_.Flags()); }); }
    STDMETHODIMP put_DialogTitle(BSTR value) override { return run([&] { logic_.DialogTitle(text(value)); }); }
    STDMETHODIMP get_DialogTitle(BSTR* value) override { return run([&] { giveText(value, logic_.DialogTitle()); }); }
    STDMETHODIMP put_InitialPath(BSTR value) override { return run([&] { logic_.InitialPath(text(value)); }); }
    STDMETHODIMP get_InitialPath(BSTR* value) override { return run([&] { giveText(value, logic_.InitialPath()); }); }
    STDMETHODIMP get_SelectedPath(BSTR* value) override { return run([&] { giveText(value, logic_.SelectedPath()); }); }
    STDMETHODIMP put_HWndOwner(LONG value) override { return run([&] { logic_.HWndOwner(value); }); }
    STDMETHODIMP get_HWndOwner(LONG* value) override { return run([&] { give(value, logic_.HWndOwner()); }); }

private:
    cz::clsZqPickerBFFA logic_{win32::platform()};
};

}  // namespace

HRESULT createFolderBrowser(REFIID iid, void** out) noexcept {
    return createObject<FolderBrowser>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes

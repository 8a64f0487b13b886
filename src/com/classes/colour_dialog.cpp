// clsZqPickerColorDialogA on its dual interface, forwarding to the portable colour dialog.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "colour/colour_dialog.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerColorDialogA, u"Chooser10.clsZqPickerColorDialogA"};

class ColourDialog final : public DualObject<_clsZqPickerColorDialogA> {
public:
    ColourDialog() : DualObject(kIdentity) {}

    STDMETHODIMP Init(LONG* InitialColour, BSTR* DialogTitle, LONG* HWndOwner, ::EColourFlags* Flags) override {
        return run([&] { logic_.Init(slot(InitialColour), text(slot(DialogTitle)), slot(HWndOwner), slot(Flags)); });
    }
    STDMETHODIMP put_HWndOwner(LONG value) override { return run([&] { logic_.HWndOwner(value); }); }
    STDMETHODIMP get_HWndOwner(LONG* value) override { return run([&] { give(value, logic_.HWndOwner()); }); }
    STDMETHODIMP put_Flags(::EColourFlags value) override { return run([&] { logic_.Flags(value); }); }
    STDMETHODIMP get_Flags(::EColourFlags* value) override { return run([&] { give(value, logic_.Flags()); }); }
    STDMETHODIMP put_InitialColour(LONG value) override { return run([&] { logic_.InitialColour(value); }); }
    STDMETHODIMP get_InitialColour(LONG* value) override { return run([&] { give(value, logic_.InitialColour()); }); }
    STDMETHODIMP get_SelectedColour(LONG* value) override { return run([&] { give(value, logic_.SelectedColour()); }); }
    STDMETHODIMP get_DialogTitle(BSTR* value) override { return run([&] { giveText(value, logic_.DialogTitle()); }); }
    STDMETHODIMP put_DialogTitle(BSTR value) override { return run([&] { logic_.DialogTitle(text(value)); }); }
    STDMETHODIMP put_CenterDialog(VARIANT_BOOL* value) override { return run([&] { logic_.CenterDialog(flag(slot(value))); }); }
    STDMETHODIMP get_CenterDialog(VARIANT_BOOL* value) override { return run([&] { giveFlag(value, logic_.CenterDialog()); }); }
    STDMETHODIMP Show(VARIANT_BOOL* result) override { return run([&] { giveFlag(result, logic_.Show()); }); }

private:
    cz::clsZqPickerColorDialogA logic_{win32::platform()};
};

}  // namespace

HRESULT createColourDialog(REFIID iid, void** out) noexcept {
    return createObject<ColourDialog>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes

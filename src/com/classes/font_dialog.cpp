// clsZqPickerFontDialogA on its dual interface, forwarding to the portable font dialog.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "font/font_dialog.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerFontDialogA, u"Chooser10.clsZqPickerFontDialogA"};

class FontDialog final : public DualObject<_clsZqPickerFontDialogA> {
public:
    FontDialog() : DualObject(kIdentity) {}

    STDMETHODIMP Init(IFontDisp** Font, BSTR* DialogTitle, LONG* HWndOwner, ::EFontFlags* Flags) override {
        return run([&] { logic_.Init(object(slot(Font)), text(slot(DialogTitle)), slot(HWndOwner), slot(Flags)); });
    }
    STDMETHODIMP put_CenterDialog(VARIANT_BOOL* value) override { return run([&] { logic_.CenterDialog(flag(slot(value))); }); }
    STDMETHODIMP get_CenterDialog(VARIANT_BOOL* value) override { return run([&] { giveFlag(value, logic_.CenterDialog()); }); }
    STDMETHODIMP put_Colour(LONG value) override { return run([&] { logic_.Colour(value); }); }
    STDMETHODIMP get_Colour(LONG* value) override { return run([&] { give(value, logic_.Colour()); }); }
    STDMETHODIMP get_DialogTitle(BSTR* value) override { return run([&] { giveText(value, logic_.DialogTitle()); }); }
    STDMETHODIMP put_DialogTitle(BSTR value) override { return run([&] { logic_.DialogTitle(text(value)); }); }
    STDMETHODIMP put_Flags(::EFontFlags value) override { return run([&] { logic_.Flags(value); }); }
    STDMETHODIMP get_Flags(::EFontFlags* value) override { return run([&] { give(value, logic_.Flags()); }); }
    STDMETHODIMP put_Font(IFontDisp* value) override { return run([&] { logic_.Font(object(value)); }); }
    STDMETHODIMP get_Font(IFontDisp** value) override {
        // The held reference goes back as it came in. IFontDisp adds nothing to IDispatch, so the
        // client's pointer serves as the font interface whichever IDispatch of the font it was.
        return run([&] {
            IDispatch* font = nullptr;
            giveObject(&font, logic_.Font());
            slot(value) = static_cast<IFontDisp*>(font);
        });
    }
    STDMETHODIMP put_FontType(::EFontType value) override { return run([&] { logic_.FontType(value); }); }
    STDMETHODIMP get_FontType(::EFontType* value) override { return run([&] { give(value, logic_.FontType()); }); }
    STDMETHODIMP put_HWndOwner(LONG value) override { return run([&] { logic_.HWndOwner(value); }); }
    STDMETHODIMP get_HWndOwner(LONG* value) override { return run([&] { give(value, logic_.HWndOwner()); }); }
    STDMETHODIMP put_Max(short value) override { return run([&] { logic_.Max(value); }); }
    STDMETHODIMP get_Max(short* value) override { return run([&] { give(value, logic_.Max()); }); }
    STDMETHODIMP put_Min(short value) override { return run([&] { logic_.Min(value); }); }
    STDMETHODIMP get_Min(short* value) override { return run([&] { give(value, logic_.Min()); }); }
    STDMETHODIMP put_Style(short value) override { return run([&] { logic_.Style(value); }); }
    STDMETHODIMP get_Style(short* value) override { return run([&] { give(value, logic_.Style()); }); }
    STDMETHODIMP Show(VARIANT_BOOL* result) override { return run([&] { giveFlag(result, logic_.Show()); }); }

private:
    cz::clsZqPickerFontDialogA logic_{win32::platform()};
};

}  // namespace

HRESULT createFontDialog(REFIID iid, void** out) noexcept {
    return createObject<FontDialog>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes

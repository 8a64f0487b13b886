// clsZqPickerPrintDialogA on its dual interface, forwarding to the portable print dialog.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "print/print_dialog.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerPrintDialogA, u"Chooser10.clsZqPickerPrintDialogA"};

class PrintDialog final : public DualObject<_clsZqPickerPrintDialogA> {
public:
    PrintDialog() : DualObject(kIdentity) {}

    STDMETHODIMP Init(LONG* HWndOwner, ::EPrintFlags* Flags) override {
        return run([&] { logic_.Init(slot(HWndOwner), slot(Flags)); });
    }
    STDMETHODIMP put_Copies(short value) override { return run([&] { logic_.Copies(value); }); }
    STDMETHODIMP get_Copies(short* value) override { return run([&] { give(value, logic_.Copies()); }); }
    STDMETHODIMP put_Flags(::EPrintFlags value) override { return run([&] { logic_.Flags(value); }); }
    STDMETHODIMP get_Flags(::EPrintFlags* value) override { return run([&] { give(value, logic_.Flags()); }); }
    STDMETHODIMP put_FromPage(short value) override { return run([&] { logic_.FromPage(value); }); }
    STDMETHODIMP get_FromPage(short* value) override { return run([&] { give(value, logic_.FromPage()); }); }
    STDMETHODIMP put_HDC(LONG value) override { return run([&] { logic_.HDC(value); }); }
    STDMETHODIMP get_HDC(LONG* value) override { return run([&] { give(value, logic_.HDC()); }); }
    STDMETHODIMP put_HWndOwner(LONG value) override { return run([&] { logic_.HWndOwner(value); }); }
    STDMETHODIMP get_HWndOwner(LONG* value) override { return run([&] { give(value, logic_.HWndOwner()); }); }
    STDMETHODIMP put_Max(short value) override { return run([&] { logic_.Max(value); }); }
    STDMETHODIMP get_Max(short* value) override { return run([&] { give(value, logic_.Max()); }); }
    STDMETHODIMP put_Min(short value) override { return run([&] { logic_.Min(value); }); }
    STDMETHODIMP get_Min(short* value) override { return run([&] { give(value, logic_.Min()); }); }
    STDMETHODIMP put_PrintRange(::EPrintRange value) override { return run([&] { logic_.PrintRange(value); }); }
    STDMETHODIMP get_PrintRange(::EPrintRange* value) override { return run([&] { give(value, logic_.PrintRange()); }); }
    STDMETHODIMP put_ToPage(short value) override { return run([&] { logic_.ToPage(value); }); }
    STDMETHODIMP get_ToPage(short* value) override { return run([&] { give(value, logic_.ToPage()); }); }
    STDMETHODIMP Show(VARIANT_BOOL* result) override { return run([&] { giveFlag(result, logic_.Show()); }); }

private:
    cz::clsZqPickerPrintDialogA logic_{win32::platform()};
};

}  // namespace

HRESULT createPrintDialog(REFIID iid, void** out) noexcept {
    return createObject<PrintDialog>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes

// clsZqPickerFilePpsA on its dual interface, forwarding to the portable class.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "shell/file_properties.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerFilePpsA, u"Chooser10.clsZqPickerFilePpsA"};

// The failure a member of ours just left behind, with the source and description it set, so that it
// reaches the client unchanged.
Failure failureOfLastCall(HRESULT hr) {
    ErrorInfo info{hr, {}, {}};
    win32::ComPtr<IErrorInfo> error;
    if (GetErrorInfo(0, error.put()) == S_OK && error) {
        win32::Bstr source, description;
        error->GetSource(source.put());
        error->GetDescription(description.put());
        info.source = win32::toString(source.get());
        info.description = win32::toString(description.get());
    }
    return Failure(info);
}

// DisplayFileProperties reaches ShowProperties through the object's own dual interface, as a client
// would.
class ShowThroughInterface final : public cz::clsZqPickerFilePpsA {
public:
    ShowThroughInterface(Platform& platform, _clsZqPickerFilePpsA& self) : clsZqPickerFilePpsA(platform), self_(self) {}

    std::int32_t ShowProperties(const String& FileName, std::int32_t OwnerhWnd) override {
        win32::Bstr file(FileName);
        LONG owner = OwnerhWnd, result = 0;
        HRESULT hr = self_.ShowProperties(file.reference(), &owner, &result);
        if (FAILED(hr)) throw failureOfLastCall(hr);
        return result;
    }
    std::int32_t ShowPropertiesHere(const String& FileName, std::int32_t OwnerhWnd) {
        return clsZqPickerFilePpsA::ShowProperties(FileName, OwnerhWnd);
    }

private:
    _clsZqPickerFilePpsA& self_;
};

class FileProperties final : public DualObject<_clsZqPickerFilePpsA> {
public:
    FileProperties() : DualObject(kIdentity) {}

    STDMETHODIMP DisplayFileProperties(LONG HWNOwner, BSTR sFullFileAndPathName) override {
        return run([&] { logic_.DisplayFileProperties(HWNOwner, text(sFullFileAndPathName)); });
    }
    STDMETHODIMP ShowProperties(BSTR* FileName, LONG* OwnerhWnd, LONG* result) override {
        return run([&] { give(result, logic_.ShowPropertiesHere(text(slot(FileName)), slot(OwnerhWnd))); });
    }
    STDMETHODIMP ShowAbout(LONG* HWndOwner, BSTR* AppName, BSTR* Message, LONG* hIcon, VARIANT* result) override {
        return run([&] {
            VARIANT& out = slot(result);
            Variant shown = logic_.ShowAbout(slot(HWndOwner), text(slot(AppName)), text(slot(Message)), hIcon ? *hIcon : 0);
            VariantInit(&out);
            win32::toVariant(shown, &out);
        });
    }

private:
    ShowThroughInterface logic_{win32::platform(), *this};
};

}  // namespace

HRESULT createFileProperties(REFIID iid, void** out) noexcept {
    return createObject<FileProperties>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes

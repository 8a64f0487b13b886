// clsZqChooser10A on its dual interface, forwarding to the portable root object.
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "frame/root_object.h"
#include "platform/win32/win32_platform.h"

#include <cstring>
#include <new>

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/dual_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqChooser10A, u"Chooser10.clsZqChooser10A"};

// A resource's bytes as the automation layer holds data: an array of bytes in a VARIANT.
void giveBytes(VARIANT* result, const std::vector<std::uint8_t>& bytes) {
    VARIANT& out = slot(result);
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) throw std::bad_alloc();
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
    }
    VariantInit(&out);
    V_VT(&out) = VT_ARRAY | VT_UI1;
    V_ARRAY(&out) = array;
}

void givePicture(IPictureDisp** result, const Picture& picture) {
    IPictureDisp*& out = slot(result);
    out = nullptr;
    win32::ComPtr<IDispatch> dispatch = win32::toDispatch(picture);
    if (dispatch && FAILED(dispatch->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&out))))
        throw Failure(runtime_error::TypeMismatch, u"Type mismatch");
}

class RootObject final : public DualObject<_clsZqChooser10A> {
public:
    RootObject() : DualObject(kIdentity) {}

    STDMETHODIMP get_GetProStdProperties(IDispatch** value) override {
        return run([&] { giveObject(value, logic_.GetProStdProperties()); });
    }
    STDMETHODIMP get_GetProResStrings(LONG* lResId, BSTR* value) override {
        return run([&] { giveText(value, logic_.GetProResStrings(slot(lResId))); });
    }
    STDMETHODIMP get_GetProResPicture(LONG* lResId, LONG* lRestype, IPictureDisp** value) override {
        return run([&] { givePicture(value, logic_.GetProResPicture(slot(lResId), slot(lRestype))); });
    }
    STDMETHODIMP get_GetProResData(LONG* lResId, VARIANT* vRestype, VARIANT* value) override {
        return run([&] { giveBytes(value, logic_.GetProResData(slot(lResId), win32::toPortable(slot(vRestype)))); });
    }
    STDMETHODIMP About(LONG* result) override { return run([&] { give(result, logic_.About()); }); }
    STDMETHODIMP get_BuddyObjectGlobal(IDispatch** value) override {
        return run([&] { giveObject(value, logic_.BuddyObjectGlobal()); });
    }
    STDMETHODIMP putref_BuddyObjectGlobal(IDispatch* value) override {
        return run([&] { logic_.BuddyObjectGlobal(object(value)); });
    }

private:
    cz::clsZqChooser10A logic_{win32::platform()};
};

}  // namespace

HRESULT createRootObject(REFIID iid, void** out) noexcept { return createObject<RootObject>(kIdentity.source, iid, out); }

}  // namespace cz::com::classes

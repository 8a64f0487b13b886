// The base of every automation class: reference counting, a dual interface whose IDispatch works from
// the member and name tables read once per class from the module's type library (with the
// script-friendly, validating argument handling of invokeMember), error information (ISupportErrorInfo)
// and the class description (IProvideClassInfo).
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <ocidl.h>

#include <string_view>
#include <utility>

#include "com/common/error_info.h"
#include "com/common/tolerant_invoke.h"
#include "com/common/type_library.h"
#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace cz::com {

// A creatable class: its CLSID and the name its errors carry as source ("Chooser10.clsZqPickerBFFA").
struct ClassIdentity {
    const CLSID* clsid;
    std::u16string_view source;
};

template <class Interface, class... Extra>
class DualObject : public win32::ComObject<Interface, ISupportErrorInfo, IProvideClassInfo, Extra...> {
public:
    explicit DualObject(const ClassIdentity& identity) noexcept : identity_(identity) {}

    // Takes the class's description (read on the first creation); createObject runs it right after
    // construction.
    HRESULT initialize() noexcept {
        // One class, one interface: the description is the same for every object of the class.
        static const ClassDescription shared(__uuidof(Interface), *identity_.clsid);
        description_ = &shared;
        return shared.status;
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        *info = win32::ComPtr<ITypeInfo>(description_->types.dispatch).detach();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return description_->names.lookUp(names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        return invokeMember(description_->members, static_cast<Interface*>(this), id, flags, params, result,
                            exception, argError);
    }

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == __uuidof(Interface) ? S_OK : S_FALSE;
    }

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = win32::ComPtr<ITypeInfo>(description_->classInfo).detach();
        return S_OK;
    }

protected:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface))
            return static_cast<Interface*>(this);
        if (iid == IID_ISupportErrorInfo) return static_cast<ISupportErrorInfo*>(this);
        if (iid == IID_IProvideClassInfo) return static_cast<IProvideClassInfo*>(this);
        return findExtraInterface(iid);
    }
    // The interfaces of Extra..., for classes that have some.
    virtual void* findExtraInterface(REFIID) noexcept { return nullptr; }

    // Runs a member's body through the exception guard.
    template <class Body>
    HRESULT run(Body&& body) noexcept {
        return guarded(identity_.source, __uuidof(Interface), std::forward<Body>(body));
    }
    // The answer of a member this version does not offer yet.
    HRESULT notAvailable(std::u16string_view member) noexcept {
        return com::notAvailable(identity_.source, member, __uuidof(Interface));
    }

private:
    ClassIdentity identity_;
    const ClassDescription* description_ = nullptr;
};

// Makes an object of T (default-constructible, a DualObject) and hands out the interface asked for.
// A failure of construction comes back as a code with error information.
template <class T>
HRESULT createObject(std::u16string_view source, REFIID iid, void** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    T* created = nullptr;
    HRESULT hr = guarded(source, IID_NULL, [&] { created = new T(); });
    if (FAILED(hr)) return hr;
    auto object = win32::ComPtr<T>::adopt(created);
    hr = object->initialize();
    if (FAILED(hr)) return hr;
    return object->QueryInterface(iid, out);
}

}  // namespace cz::com

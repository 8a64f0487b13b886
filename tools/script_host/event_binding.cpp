#include "event_binding.h"

#include <oleauto.h>
#include <olectl.h>

#include <vector>

#include "platform/win32/com_object.h"

namespace chooser_script {
namespace {

// Receives the events of one connection and calls the script's handler of each by name. The arguments
// reach the handler as values: what a handler writes into them is not handed back.
class EventSink final : public cz::win32::ComObject<IDispatch> {
public:
    EventSink(const IID& events, ComPtr<ITypeInfo> types, std::wstring prefix,
              std::function<ComPtr<IDispatch>()> scriptProcedures)
        : events_(events), types_(std::move(types)), prefix_(std::move(prefix)),
          scriptProcedures_(std::move(scriptProcedures)) {}

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        BSTR name = nullptr;
        UINT found = 0;
        if (FAILED(types_->GetNames(id, &name, 1, &found)) || found == 0) return DISP_E_MEMBERNOTFOUND;
        std::wstring handler = prefix_ + name;
        SysFreeString(name);

        ComPtr<IDispatch> procedures = scriptProcedures_();
        if (!procedures) return S_OK;
        LPOLESTR names[] = {handler.data()};
        DISPID handlerId = DISPID_UNKNOWN;
        if (FAILED(procedures->GetIDsOfNames(IID_NULL, names, 1, lcid, &handlerId))) return S_OK;  // no handler

        const UINT count = params ? params->cArgs : 0;
        std::vector<VARIANT> values(count);
        for (UINT i = 0; i < count; ++i) {
            VariantInit(&values[i]);
            VariantCopyInd(&values[i], &params->rgvarg[i]);
        }
        DISPPARAMS call{values.data(), nullptr, count, 0};
        HRESULT hr = procedures->Invoke(handlerId, IID_NULL, lcid, DISPATCH_METHOD, &call, result, exception, argError);
        for (VARIANT& v : values) VariantClear(&v);
        return hr;
    }

private:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) return static_cast<IDispatch*>(this);
        return nullptr;
    }

    IID events_;
    ComPtr<ITypeInfo> types_;
    std::wstring prefix_;
    std::function<ComPtr<IDispatch>()> scriptProcedures_;
};

// The default source interface of the object's class.
bool fromClassInfo(IDispatch* object, IID& events, ComPtr<ITypeInfo>& types) {
    auto provider = ComPtr<IDispatch>(object).as<IProvideClassInfo>(IID_IProvideClassInfo);
    ComPtr<ITypeInfo> coclass;
    if (!provider || FAILED(provider->GetClassInfo(coclass.put())) || !coclass) return false;
    TYPEATTR* attributes = nullptr;
    if (FAILED(coclass->GetTypeAttr(&attributes))) return false;
    const WORD implemented = attributes->cImplTypes;
    coclass->ReleaseTypeAttr(attributes);
    for (UINT i = 0; i < implemented; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        if (FAILED(coclass->GetImplTypeFlags(i, &flags))) continue;
        if (!(flags & IMPLTYPEFLAG_FDEFAULT) || !(flags & IMPLTYPEFLAG_FSOURCE)) continue;
        if (FAILED(coclass->GetRefTypeOfImplType(i, &reference))) return false;
        if (FAILED(coclass->GetRefTypeInfo(reference, types.put())) || !types) return false;
        TYPEATTR* source = nullptr;
        if (FAILED(types->GetTypeAttr(&source))) return false;
        events = source->guid;
        types->ReleaseTypeAttr(source);
        return true;
    }
    return false;
}

// The interface of the object's only connection point, described by the object's own type library.
bool fromConnectionPoint(IDispatch* object, IID& events, ComPtr<ITypeInfo>& types) {
    auto container = ComPtr<IDispatch>(object).as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IEnumConnectionPoints> points;
    if (!container || FAILED(container->EnumConnectionPoints(points.put())) || !points) return false;
    ComPtr<IConnectionPoint> point;
    ULONG fetched = 0;
    if (points->Next(1, point.put(), &fetched) != S_OK || !point) return false;
    if (FAILED(point->GetConnectionInterface(&events))) return false;
    ComPtr<ITypeInfo> own;
    ComPtr<ITypeLib> library;
    UINT index = 0;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, own.put())) || !own) return false;
    if (FAILED(own->GetContainingTypeLib(library.put(), &index)) || !library) return false;
    return SUCCEEDED(library->GetTypeInfoOfGuid(events, types.put())) && types;
}

ComPtr<IUnknown> identityOf(IDispatch* object) { return ComPtr<IDispatch>(object).as<IUnknown>(IID_IUnknown); }

}  // namespace

HRESULT EventBindings::connect(IDispatch* object, const std::wstring& prefix, std::wstring& why) {
    if (!object) {
        why = L"ConnectObject needs an object";
        return E_INVALIDARG;
    }
    IID events{};
    ComPtr<ITypeInfo> types;
    if (!fromClassInfo(object, events, types) && !fromConnectionPoint(object, events, types)) {
        why = L"The object does not describe an outgoing interface";
        return CONNECT_E_NOCONNECTION;
    }
    auto container = ComPtr<IDispatch>(object).as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    if (!container || FAILED(container->FindConnectionPoint(events, point.put())) || !point) {
        why = L"The object offers no connection point for its outgoing interface";
        return CONNECT_E_NOCONNECTION;
    }
    auto sink = ComPtr<IDispatch>::adopt(new EventSink(events, types, prefix, scriptProcedures_));
    DWORD cookie = 0;
    HRESULT hr = point->Advise(sink.get(), &cookie);
    if (FAILED(hr)) {
        why = L"The object refused the connection";
        return hr;
    }
    connections_.push_back({identityOf(object), point, cookie});
    return S_OK;
}

void EventBindings::disconnect(IDispatch* object) {
    ComPtr<IUnknown> identity = identityOf(object);
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->identity.get() == identity.get()) {
            it->point->Unadvise(it->cookie);
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
}

void EventBindings::disconnectAll() {
    // A sink may be the last reference the object holds on the script: unadvise before releasing.
    for (Connection& c : connections_) c.point->Unadvise(c.cookie);
    connections_.clear();
}

}  // namespace chooser_script

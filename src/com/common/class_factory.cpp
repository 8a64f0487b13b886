#include "com/common/class_factory.h"

#include <new>

#include "platform/win32/com_ptr.h"
#include "platform/win32/module_lifetime.h"

namespace cz::com {

void* ClassFactory::findInterface(REFIID iid) noexcept {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) return static_cast<IClassFactory*>(this);
    return nullptr;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(iid, out);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    win32::module::lockServer(lock != FALSE);
    return S_OK;
}

HRESULT getClassObject(std::span<const ClassEntry> classes, REFCLSID clsid, REFIID iid, void** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const ClassEntry& entry : classes) {
        if (*entry.clsid != clsid) continue;
        auto factory = win32::ComPtr<ClassFactory>::adopt(new (std::nothrow) ClassFactory(entry.create));
        if (!factory) return E_OUTOFMEMORY;
        return factory->QueryInterface(iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace cz::com

// Reference counting and QueryInterface for a COM object implementing one or more interfaces. Every
// object counts towards its module's live objects, so the DLL stays loaded while one exists.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "platform/win32/module_lifetime.h"

namespace cz::win32 {

template <class... Interfaces>
class ComObject : public Interfaces... {
public:
    ComObject() noexcept { module::objectCreated(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { module::objectDestroyed(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = findInterface(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    // The interface pointer for iid, or null. IUnknown must come back as the same pointer every time.
    virtual void* findInterface(REFIID iid) noexcept = 0;

private:
    LONG references_ = 1;  // the creator's reference: hand it on with ComPtr::adopt
};

}  // namespace cz::win32

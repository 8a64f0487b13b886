// A client object that counts its references, for tests that hand one to the library and check that
// every reference the library took is given back, and none twice. The test owns it (it never deletes
// itself), so a release too many shows as a count below the test's own references instead of a crash.
// Use it from any thread.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace cz::testing {

class CountingObject final : public IDispatch {
public:
    // The references held now, the test's own included; starts at 0.
    LONG references() const { return InterlockedCompareExchange(&references_, 0, 0); }
    // Every AddRef and Release it received.
    LONG addRefs() const { return InterlockedCompareExchange(&addRefs_, 0, 0); }
    LONG releases() const { return InterlockedCompareExchange(&releases_, 0, 0); }

    // The object as the library receives it from a client: a reference the caller owns and releases.
    IDispatch* take() {
        AddRef();
        return this;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        InterlockedIncrement(&addRefs_);
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    STDMETHODIMP_(ULONG) Release() override {
        InterlockedIncrement(&releases_);
        return static_cast<ULONG>(InterlockedDecrement(&references_));
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override {
        for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    mutable LONG references_ = 0;
    mutable LONG addRefs_ = 0;
    mutable LONG releases_ = 0;
};

}  // namespace cz::testing

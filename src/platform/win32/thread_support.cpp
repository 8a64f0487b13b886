// The thread slot is a TLS index, the apartment notice an initialize spy registered on the thread.
#include "platform/thread_support.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>

#include <new>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace cz::threads {
namespace {

// The module's one TLS index, taken on first use and given back when the module ends.
INIT_ONCE slotTaken = INIT_ONCE_STATIC_INIT;
DWORD slotIndex = TLS_OUT_OF_INDEXES;

BOOL CALLBACK takeSlot(PINIT_ONCE, PVOID, PVOID*) {
    slotIndex = TlsAlloc();
    return TRUE;
}

DWORD slot() noexcept {
    InitOnceExecuteOnce(&slotTaken, takeSlot, nullptr, nullptr);
    return slotIndex;
}

// COM holds the spy while it is registered; as one of this module's objects it keeps the module loaded
// for that long, so COM never calls into a module that is gone.
class ApartmentSpy final : public win32::ComObject<IInitializeSpy> {
public:
    explicit ApartmentSpy(ApartmentEnd onEnd) noexcept : onEnd_(onEnd) {}

    STDMETHODIMP PreInitialize(DWORD, DWORD) override { return S_OK; }
    STDMETHODIMP PostInitialize(HRESULT result, DWORD, DWORD) override { return result; }
    STDMETHODIMP PreUninitialize(DWORD initializations) override {
        if (initializations != 1) return S_OK;  // not the apartment's last CoUninitialize
        // onEnd revokes this spy, and with it COM's reference: keep one until the call is done.
        auto self = win32::ComPtr<ApartmentSpy>(this);
        onEnd_();
        return S_OK;
    }
    STDMETHODIMP PostUninitialize(DWORD) override { return S_OK; }

private:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == IID_IInitializeSpy) return static_cast<IInitializeSpy*>(this);
        return nullptr;
    }

    ApartmentEnd onEnd_;
};

}  // namespace

void* slotValue() noexcept {
    DWORD index = slot();
    return index == TLS_OUT_OF_INDEXES ? nullptr : TlsGetValue(index);
}

bool setSlotValue(void* value) noexcept {
    DWORD index = slot();
    return index != TLS_OUT_OF_INDEXES && TlsSetValue(index, value);
}

void releaseSlot() noexcept {
    if (slotIndex != TLS_OUT_OF_INDEXES) TlsFree(slotIndex);
    slotIndex = TLS_OUT_OF_INDEXES;
}

std::uint64_t watchApartment(ApartmentEnd onEnd) noexcept {
    auto spy = win32::ComPtr<ApartmentSpy>::adopt(new (std::nothrow) ApartmentSpy(onEnd));
    if (!spy) return 0;
    ULARGE_INTEGER cookie{};
    if (FAILED(CoRegisterInitializeSpy(spy.get(), &cookie))) return 0;
    return cookie.QuadPart;
}

void unwatchApartment(std::uint64_t token) noexcept {
    ULARGE_INTEGER cookie{};
    cookie.QuadPart = token;
    CoRevokeInitializeSpy(cookie);
}

}  // namespace cz::threads

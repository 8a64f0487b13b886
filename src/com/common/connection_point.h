// The connection point of one outgoing dispinterface, embedded in the object that raises the events
// (its container). It shares its container's lifetime: AddRef and Release go to the container.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "platform/win32/com_ptr.h"

namespace cz::com {

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer& container, const IID& events) noexcept
        : container_(container), events_(events) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return container_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    // The container's IConnectionPointContainer methods, for its single connection point.
    HRESULT find(REFIID iid, IConnectionPoint** out) noexcept;
    HRESULT enumerate(IEnumConnectionPoints** out) noexcept;

    // Calls the event on every connected sink through IDispatch::Invoke; a failing sink does not keep
    // the others from hearing it, and a sink may disconnect while it is called.
    void fire(DISPID id, DISPPARAMS& params) noexcept;

private:
    struct Sink {
        DWORD cookie;
        win32::ComPtr<IUnknown> unknown;
        win32::ComPtr<IDispatch> dispatch;
    };

    IConnectionPointContainer& container_;
    IID events_;
    DWORD nextCookie_ = 1;
    std::vector<Sink> sinks_;
};

}  // namespace cz::com

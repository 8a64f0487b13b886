#include "com/common/connection_point.h"

#include <memory>
#include <new>

#include "com/common/enumerators.h"

namespace cz::com {

using win32::ComPtr;

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = events_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = ComPtr<IConnectionPointContainer>(&container_).detach();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    ComPtr<IUnknown> unknown(sink);
    // A sink implements the event interface; script hosts' sinks often offer only IDispatch.
    ComPtr<IDispatch> dispatch = unknown.as<IDispatch>(events_);
    if (!dispatch) dispatch = unknown.as<IDispatch>(IID_IDispatch);
    if (!dispatch) return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.push_back(Sink{nextCookie_, std::move(unknown), std::move(dispatch)});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie != cookie) continue;
        Sink leaving = std::move(*it);  // released after the list no longer holds it
        sinks_.erase(it);
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (!connections) return E_POINTER;
    *connections = nullptr;
    try {
        auto items = std::make_shared<ConnectionEnumerator::Items>();
        for (const Sink& sink : sinks_) items->push_back(StoredConnection{sink.unknown, sink.cookie});
        *connections = new ConnectionEnumerator(std::move(items));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPoint::find(REFIID iid, IConnectionPoint** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != events_) return CONNECT_E_NOCONNECTION;
    *out = ComPtr<IConnectionPoint>(this).detach();
    return S_OK;
}

HRESULT ConnectionPoint::enumerate(IEnumConnectionPoints** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        auto items = std::make_shared<PointEnumerator::Items>();
        items->push_back(ComPtr<IConnectionPoint>(this));
        *out = new PointEnumerator(std::move(items));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

void ConnectionPoint::fire(DISPID id, DISPPARAMS& params) noexcept {
    std::vector<ComPtr<IDispatch>> listeners;
    try {
        for (const Sink& sink : sinks_) listeners.push_back(sink.dispatch);
    } catch (const std::bad_alloc&) {
        return;
    }
    for (const auto& listener : listeners)
        listener->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

}  // namespace cz::com

// IEnumConnections and IEnumConnectionPoints over a snapshot taken when the enumerator was made.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <memory>
#include <new>
#include <vector>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace cz::com {

// Interface: the enumerator interface; Item: what Next hands out; Stored: what the snapshot keeps;
// handOut: an Item for the caller, with its own reference.
template <class Interface, class Item, class Stored, Item (*handOut)(const Stored&)>
class SnapshotEnumerator final : public win32::ComObject<Interface> {
public:
    using Items = std::vector<Stored>;

    explicit SnapshotEnumerator(std::shared_ptr<const Items> items, std::size_t position = 0) noexcept
        : items_(std::move(items)), position_(position) {}

    STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        while (given < count && position_ < items_->size()) out[given++] = handOut((*items_)[position_++]);
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        std::size_t left = items_->size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Interface** out) override {
        if (!out) return E_POINTER;
        *out = new (std::nothrow) SnapshotEnumerator(items_, position_);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

private:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) return static_cast<Interface*>(this);
        return nullptr;
    }

    std::shared_ptr<const Items> items_;
    std::size_t position_;
};

struct StoredConnection {
    win32::ComPtr<IUnknown> sink;
    DWORD cookie;
};

inline CONNECTDATA handOutConnection(const StoredConnection& c) {
    return CONNECTDATA{win32::ComPtr<IUnknown>(c.sink).detach(), c.cookie};
}

inline IConnectionPoint* handOutPoint(const win32::ComPtr<IConnectionPoint>& point) {
    return win32::ComPtr<IConnectionPoint>(point).detach();
}

using ConnectionEnumerator = SnapshotEnumerator<IEnumConnections, CONNECTDATA, StoredConnection, handOutConnection>;
using PointEnumerator =
    SnapshotEnumerator<IEnumConnectionPoints, IConnectionPoint*, win32::ComPtr<IConnectionPoint>, handOutPoint>;

}  // namespace cz::com

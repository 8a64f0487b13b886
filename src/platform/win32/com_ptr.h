// A counted reference to a COM interface: released when it goes out of scope.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace cz::win32 {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Shares the caller's reference: adds one of its own.
    explicit ComPtr(T* p) noexcept : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { reset(); }

    ComPtr& operator=(const ComPtr& other) noexcept {
        ComPtr(other).swap(*this);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept {
        ComPtr(std::move(other)).swap(*this);
        return *this;
    }

    // Takes over a reference the caller owns (a fresh object, an out parameter's result).
    static ComPtr adopt(T* p) noexcept {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // For out parameters: drops the current reference and exposes the slot.
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    // Hands the reference to the caller, typically into an out parameter.
    T* detach() noexcept { return std::exchange(p_, nullptr); }

    void reset() noexcept {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    void swap(ComPtr& other) noexcept { std::swap(p_, other.p_); }

    // The same object seen through another interface, or empty.
    template <class U>
    ComPtr<U> as(REFIID iid) const noexcept {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(iid, result.putVoid());
        return result;
    }

private:
    T* p_ = nullptr;
};

}  // namespace cz::win32

// An owning VARIANT: cleared when it goes out of scope.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace cz::win32 {

class VariantHolder {
public:
    VariantHolder() noexcept { VariantInit(&v_); }
    VariantHolder(VariantHolder&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    VariantHolder& operator=(VariantHolder&& other) noexcept {
        if (this != &other) {
            VariantClear(&v_);
            v_ = other.v_;
            VariantInit(&other.v_);
        }
        return *this;
    }
    VariantHolder(const VariantHolder&) = delete;
    VariantHolder& operator=(const VariantHolder&) = delete;
    ~VariantHolder() { VariantClear(&v_); }

    VARIANT* get() noexcept { return &v_; }
    const VARIANT* get() const noexcept { return &v_; }
    VARIANT* operator->() noexcept { return &v_; }
    const VARIANT* operator->() const noexcept { return &v_; }
    // For out parameters: clears the current value and exposes the slot.
    VARIANT* put() noexcept {
        VariantClear(&v_);
        return &v_;
    }
    // Hands the value over (into a caller's out parameter); this holder is empty afterwards.
    void moveTo(VARIANT* target) noexcept {
        *target = v_;
        VariantInit(&v_);
    }

private:
    VARIANT v_;
};

// Address of a VARIANT's value, what a VT_BYREF argument of the same type points to.
inline void* valueAddress(VARIANT* v) noexcept { return &v->llVal; }

}  // namespace cz::win32

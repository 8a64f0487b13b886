// An object reference kept in a thread's module state. It reads like an Object; putting a reference in
// or taking it out tells the state, which then knows whether the thread's apartment end has references
// to release (thread_state.cpp).
#pragma once

#include <cstddef>
#include <utility>

#include "automation/automation.h"

namespace cz {

// Called after every change of a HeldObject: watches this thread's apartment end while its state holds
// a reference, and stops watching when it holds none.
void heldObjectsChanged() noexcept;

class HeldObject {
public:
    HeldObject() noexcept = default;
    HeldObject(Object object) noexcept : object_(std::move(object)) { heldObjectsChanged(); }
    HeldObject(const HeldObject& other) noexcept : HeldObject(other.object_) {}
    HeldObject(HeldObject&& other) noexcept : HeldObject(std::move(other.object_)) {}
    ~HeldObject() = default;

    HeldObject& operator=(Object object) noexcept {
        Object previous = std::exchange(object_, std::move(object));
        heldObjectsChanged();
        return *this;  // the previous reference goes last, after the state is consistent again
    }
    HeldObject& operator=(std::nullptr_t) noexcept { return *this = Object(); }
    HeldObject& operator=(const HeldObject& other) noexcept { return *this = other.object_; }
    HeldObject& operator=(HeldObject&& other) noexcept { return *this = std::move(other.object_); }
    void reset() noexcept { *this = Object(); }

    const Object& get() const noexcept { return object_; }
    operator const Object&() const noexcept { return object_; }
    LateBound* operator->() const noexcept { return object_.get(); }
    LateBound& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    friend bool operator==(const HeldObject& held, std::nullptr_t) noexcept { return held.object_ == nullptr; }
    friend bool operator==(const HeldObject& held, const Object& object) noexcept { return held.object_ == object; }

    // Takes the reference out without telling the state: for the state's own ends.
    Object take() noexcept { return std::move(object_); }

private:
    Object object_;
};

}  // namespace cz

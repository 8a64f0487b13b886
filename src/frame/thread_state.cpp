// Each thread's module state, and its life.
//
// A thread's state is made on the thread's first use and found through the platform's thread slot, never
// through a thread_local with a destructor: the C++ runtime ends those in its own thread-exit machinery,
// which pins the DLL and runs while the DLL may already be gone. The library ends each state itself, at
// three points:
//  - apartment end (the thread's last CoUninitialize): the state's object references are released, while
//    COM still works on the thread. The platform is asked for that notice only while the state holds a
//    reference, and the notice keeps the module loaded; a thread whose state holds plain values only
//    never keeps the library from unloading;
//  - thread end (the DLL's thread detach): the state's memory is freed. A reference still held (the thread
//    never uninitialized COM) is abandoned, not released: releasing it would call into other modules
//    under the loader lock;
//  - module end (process detach): the same for every thread's state that is still there.
// The states are also chained in one list, so that the module's end finds them all. The list takes no
// lock: a record is only ever added at the head, and a thread that ends gives its record back for a
// later thread to take. A record that still holds a reference when its thread or the module ends is
// never reused nor freed.
#include "frame/thread_state.h"

#include <atomic>
#include <cstdint>
#include <new>

#include "frame/hook_state.h"
#include "platform/thread_support.h"

namespace cz {
namespace {

struct ThreadRecord {
    HookState state;
    std::uint64_t apartmentWatch = 0;  // the platform's token while the apartment end is watched
    std::atomic<bool> taken{true};
    ThreadRecord* next = nullptr;
};

std::atomic<ThreadRecord*> records{nullptr};

// Records whose references could not be released where their thread or the module ended: kept
// reachable and never freed, so those references are never released from the wrong place.
std::atomic<ThreadRecord*> retired{nullptr};

void push(std::atomic<ThreadRecord*>& list, ThreadRecord* r) noexcept {
    r->next = list.load(std::memory_order_relaxed);
    while (!list.compare_exchange_weak(r->next, r, std::memory_order_release, std::memory_order_relaxed)) {
    }
}

ThreadRecord* current() noexcept { return static_cast<ThreadRecord*>(threads::slotValue()); }

ThreadRecord* takeRecord() {
    for (ThreadRecord* r = records.load(std::memory_order_acquire); r; r = r->next) {
        bool free = false;
        if (r->taken.compare_exchange_strong(free, true, std::memory_order_acquire)) return r;
    }
    auto* made = new ThreadRecord;
    push(records, made);
    return made;
}

bool holdsReferences(HookState& state) noexcept {
    bool holds = false;
    state.forEachReference([&](HeldObject& held) { holds = holds || static_cast<bool>(held); });
    return holds;
}

}  // namespace

HookState& hookState() {
    if (ThreadRecord* r = current()) return r->state;
    ThreadRecord* r = takeRecord();
    if (!threads::setSlotValue(r)) {
        r->taken.store(false, std::memory_order_release);
        throw std::bad_alloc();
    }
    return r->state;
}

void heldObjectsChanged() noexcept {
    ThreadRecord* r = current();
    if (!r) return;
    bool holds = holdsReferences(r->state);
    if (holds && r->apartmentWatch == 0) {
        r->apartmentWatch = threads::watchApartment(&releaseThreadReferences);
    } else if (!holds && r->apartmentWatch != 0) {
        threads::unwatchApartment(r->apartmentWatch);
        r->apartmentWatch = 0;
    }
}

void releaseThreadReferences() noexcept {
    ThreadRecord* r = current();
    if (!r) return;
    // Each reference leaves the state before it is released: the release may run code that uses the
    // state again.
    r->state.forEachReference([](HeldObject& held) { Object released = held.take(); });
    heldObjectsChanged();
}

void endThreadState() noexcept {
    ThreadRecord* r = current();
    if (!r) return;
    threads::setSlotValue(nullptr);
    // The thread's end takes the platform's apartment notice with it.
    r->apartmentWatch = 0;
    // Still holding a reference: the record stays taken for ever, so nobody reuses or frees it.
    if (holdsReferences(r->state)) return;
    r->state = HookState{};
    r->taken.store(false, std::memory_order_release);
}

void endAllThreadStates() noexcept {
    ThreadRecord* r = records.exchange(nullptr, std::memory_order_acquire);
    while (r) {
        ThreadRecord* next = r->next;
        if (holdsReferences(r->state))
            push(retired, r);
        else
            delete r;
        r = next;
    }
    threads::releaseSlot();
}

bool threadStateHoldsReferences() noexcept {
    ThreadRecord* r = current();
    return r && holdsReferences(r->state);
}

}  // namespace cz

#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/sim/sim_threads.h"
#include "platform/thread_support.h"

namespace cz {
namespace {

// A plain pointer per thread: nothing for the runtime to end when the thread does. Giving the slot back
// forgets every thread's value, as the system does: a value counts only in the generation it was set in.
struct Slot {
    void* value = nullptr;
    std::uint64_t generation = 0;
};
thread_local Slot slot;
std::atomic<std::uint64_t> generation{1};

struct Watch {
    std::uint64_t token;
    threads::ApartmentEnd onEnd;
};
// Lives as long as the thread; the tests' threads end with their apartment's notices run or unwanted.
thread_local std::vector<Watch> watches;
std::atomic<std::uint64_t> lastToken{0};

}  // namespace

namespace threads {

void* slotValue() noexcept { return slot.generation == generation.load() ? slot.value : nullptr; }
bool setSlotValue(void* value) noexcept {
    slot = {value, generation.load()};
    return true;
}
void releaseSlot() noexcept { ++generation; }

std::uint64_t watchApartment(ApartmentEnd onEnd) noexcept {
    try {
        std::uint64_t token = ++lastToken;
        watches.push_back({token, onEnd});
        return token;
    } catch (...) {
        return 0;
    }
}

void unwatchApartment(std::uint64_t token) noexcept {
    std::erase_if(watches, [&](const Watch& w) { return w.token == token; });
}

}  // namespace threads

namespace sim {

void endApartment() {
    // A notice may revoke itself (or others) while it runs: run a copy.
    std::vector<Watch> standing = watches;
    for (const Watch& w : standing) w.onEnd();
}

std::size_t apartmentWatches() { return watches.size(); }

}  // namespace sim
}  // namespace cz

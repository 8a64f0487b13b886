// What the frame's per-thread module state needs from the system: one pointer per thread, and a notice
// right before a thread's apartment ends. Both are kept by the system, not by the C++ runtime: the
// runtime ends a DLL's thread_local objects in its own thread-exit machinery, which pins the DLL and can
// run after the DLL is gone.
#pragma once

#include <cstdint>

namespace cz::threads {

// This thread's value of the module's slot; null until it is set.
void* slotValue() noexcept;
// False when the system has no slot to give.
bool setSlotValue(void* value) noexcept;
// Gives the slot back when the module ends; every thread's value is forgotten.
void releaseSlot() noexcept;

using ApartmentEnd = void (*)();
// Calls onEnd on this thread right before its apartment ends (its last CoUninitialize), while COM still
// works there. While it stands, the registration keeps the module loaded. Gives 0 when none was made.
std::uint64_t watchApartment(ApartmentEnd onEnd) noexcept;
// Ends a registration made on this thread; onEnd may call it.
void unwatchApartment(std::uint64_t token) noexcept;

}  // namespace cz::threads

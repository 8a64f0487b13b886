// The simulated thread slot and apartment ends: a test ends a thread's apartment by calling endApartment
// on that thread, as the thread's last CoUninitialize would.
#pragma once

#include <cstddef>

namespace cz::sim {

// Runs, on this thread, every apartment-end notice that stands here (a notice that is not revoked
// stays, as with COM).
void endApartment();
// How many notices stand on this thread.
std::size_t apartmentWatches();

}  // namespace cz::sim

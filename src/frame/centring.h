// Centring a dialog on the whole primary screen.
#pragma once

#include <cstdint>

#include "frame/handler.h"
#include "platform/platform.h"

namespace cz {

// The colour and font hooks take the absolute half difference, so a dialog larger than the screen still
// lands at a positive offset; the file hooks keep its sign and let it overhang both edges equally.
enum class HalfDifference { Absolute, Signed };

// The offset that centres `size` in `extent`: half the difference, rounded half to even. A difference
// that overflows 32 bits fails with the runtime's overflow.
std::int32_t CentredOffset(std::int32_t extent, std::int32_t size, HalfDifference variant);

// a - b and a + b in 32 bits, failing with the runtime's overflow.
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);

// Moves the window to the centre of the desktop window's rectangle, keeping its size; measured from the
// screen origin. Each failing step is skipped by the caller's resume-next handler.
void CentreWindow(Handler& on, Platform& platform, WindowHandle window, HalfDifference variant);

}  // namespace cz

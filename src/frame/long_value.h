// The 32-bit integer a late-bound value stands for, coerced as the automation runtime does (a window
// handle read from a client's object, for example).
#pragma once

#include <cstdint>

#include "automation/automation.h"

namespace cz {

// Integers and booleans as they are, Empty as 0, a number, currency or numeric text rounded half to even. A
// value outside 32 bits fails with the runtime's overflow, anything else with its type mismatch.
std::int32_t LongValue(const Variant& value);

}  // namespace cz

// The font dialog's arithmetic between the font object's values and the platform's font records: the
// automation runtime's coercions of the values a font object gives, and the size conversions.
#pragma once

#include <cstdint>

#include "automation/automation.h"

namespace cz {

// A value as the automation runtime converts it: numbers, currency and booleans into one another, Empty
// as 0 or "". Anything else is a type mismatch, a number outside the target's range an overflow (both
// cz::Failure).
double AsDouble(const Variant& value);
bool AsBoolean(const Variant& value);
std::int32_t AsLong(const Variant& value);
String AsText(const Variant& value);

// The nearest 32-bit integer, an exact half going to the even neighbour.
std::int32_t RoundToLong(double value);

// lfHeight of a font of `size` points on a screen of `twipsPerPixel`: minus its height in pixels. The
// quotient 20 / t (20 twips make a point) comes first, then the product, in double precision.
std::int32_t HeightInPixels(const Variant& size, float twipsPerPixel);

// iPointSize, in tenths of a point: exact on the four decimals of a currency size.
std::int32_t TenthsOfPoint(const Variant& size);

}  // namespace cz

// Reading typed values out of a fuzzer's bytes, shared by the targets.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "automation/automation.h"
#include "platform/records.h"

namespace cz::fuzz {

inline String Text(FuzzedDataProvider& in, std::size_t maxChars = 80) {
    String out;
    std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, maxChars);
    for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) out.push_back(in.ConsumeIntegral<char16_t>());
    return out;
}

inline Rect AnyRect(FuzzedDataProvider& in) {
    return Rect{in.ConsumeIntegral<std::int32_t>(), in.ConsumeIntegral<std::int32_t>(), in.ConsumeIntegral<std::int32_t>(),
                in.ConsumeIntegral<std::int32_t>()};
}

// Any value a font object or a script could hand over.
inline Variant AnyVariant(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0: return Empty{};
        case 1: return Missing{};
        case 2: return in.ConsumeIntegral<std::uint8_t>();
        case 3: return in.ConsumeIntegral<std::int16_t>();
        case 4: return in.ConsumeIntegral<std::int32_t>();
        case 5: return Boolean{in.ConsumeIntegral<std::int16_t>()};
        case 6: return Currency{in.ConsumeIntegral<std::int64_t>()};
        case 7: {
            // Every bit pattern, NaNs and infinities too.
            std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
            double d;
            static_assert(sizeof d == sizeof bits);
            __builtin_memcpy(&d, &bits, sizeof d);
            return d;
        }
        case 8: return Text(in, 40);
        default: return Object{};
    }
}

// A broken invariant is a finding: report it and stop, as a sanitizer would.
#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

}  // namespace cz::fuzz

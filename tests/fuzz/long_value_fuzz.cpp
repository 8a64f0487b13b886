// The tolerant 32-bit conversion of a value read from a client's object (a preview object's window
// handle) with any value: integers and booleans as they are, Empty 0, numbers, currency and numeric text rounded
// half to even; anything else, NaN and text that is no number a type mismatch, beyond 32 bits an
// overflow, and never another failure.
#include <cmath>

#include "automation/failure.h"
#include "frame/long_value.h"
#include "fuzz_input.h"

using namespace cz;
using namespace cz::fuzz;

namespace {

// Text that is often a number: digits, signs, points, exponents and spaces.
String NumberText(FuzzedDataProvider& in) {
    static constexpr char16_t kAlphabet[] = u"0123456789+-.eE  xX";
    String out;
    const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 30);
    for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i)
        out.push_back(in.ConsumeIntegralInRange(0, 9) == 0 ? in.ConsumeIntegral<char16_t>()
                                                           : kAlphabet[in.ConsumeIntegralInRange<std::size_t>(0, 18)]);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Variant value = in.ConsumeBool() ? Variant(NumberText(in)) : AnyVariant(in);
    try {
        const std::int32_t n = LongValue(value);
        if (std::holds_alternative<Empty>(value)) FUZZ_CHECK(n == 0);
        if (auto* v = std::get_if<std::int16_t>(&value)) FUZZ_CHECK(n == *v);
        if (auto* v = std::get_if<std::int32_t>(&value)) FUZZ_CHECK(n == *v);
        if (auto* v = std::get_if<Boolean>(&value)) FUZZ_CHECK(n == v->value);
        if (auto* v = std::get_if<std::uint8_t>(&value)) FUZZ_CHECK(n == *v);
        if (auto* v = std::get_if<Currency>(&value)) {
            const std::int64_t off = v->scaled - std::int64_t{n} * 10000;
            FUZZ_CHECK(off >= -5000 && off <= 5000);
            if (off == 5000 || off == -5000) FUZZ_CHECK(n % 2 == 0);
        }
        if (auto* v = std::get_if<double>(&value)) {
            FUZZ_CHECK(std::isfinite(*v));
            FUZZ_CHECK(std::fabs(*v - n) <= 0.5);
            if (std::fabs(*v - n) == 0.5) FUZZ_CHECK(n % 2 == 0);
        }
        FUZZ_CHECK(!std::holds_alternative<Object>(value) && !std::holds_alternative<Missing>(value));
    } catch (const Failure& failure) {
        const auto number = failure.info().number;
        FUZZ_CHECK(number == runtime_error::Overflow || number == runtime_error::TypeMismatch);
        if (auto* v = std::get_if<double>(&value); v && !std::isnan(*v))
            FUZZ_CHECK(number == runtime_error::Overflow && std::fabs(*v) >= 2147483647.5);
        if (std::holds_alternative<Currency>(value)) FUZZ_CHECK(number == runtime_error::Overflow);
        FUZZ_CHECK(!std::holds_alternative<Empty>(value) && !std::holds_alternative<std::int16_t>(value) &&
                   !std::holds_alternative<std::int32_t>(value) && !std::holds_alternative<Boolean>(value) &&
                   !std::holds_alternative<std::uint8_t>(value));
    }
    return 0;
}

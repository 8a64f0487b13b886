// The font conversions with any value a font object could give (any currency, any double bit pattern,
// any screen resolution): each converts or fails as the runtime's overflow or type mismatch.
#include "font/font_values.h"
#include "automation/failure.h"
#include "fuzz_input.h"

using namespace cz;
using namespace cz::fuzz;

namespace {

template <class F>
void Converts(F&& convert) {
    try {
        convert();
    } catch (const Failure& failure) {
        const auto n = failure.info().number;
        FUZZ_CHECK(n == runtime_error::Overflow || n == runtime_error::TypeMismatch);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Variant value = AnyVariant(in);
    float twips;
    std::uint32_t bits = in.ConsumeIntegral<std::uint32_t>();
    __builtin_memcpy(&twips, &bits, sizeof twips);
    Converts([&] { (void)AsDouble(value); });
    Converts([&] { (void)AsBoolean(value); });
    Converts([&] { (void)AsLong(value); });
    Converts([&] { (void)AsText(value); });
    Converts([&] { (void)HeightInPixels(value, twips); });
    Converts([&] { (void)HeightInPixels(value, 15.0f); });
    Converts([&] {
        const std::int32_t tenths = TenthsOfPoint(value);
        // A currency size is exact: its tenths of a point, rounded half to even.
        if (const auto* c = std::get_if<Currency>(&value); c && c->scaled >= 0 && c->scaled < 1'000'000'000)
            FUZZ_CHECK(std::int64_t{tenths} * 1000 - c->scaled <= 500 && c->scaled - std::int64_t{tenths} * 1000 <= 500);
    });
    double d;
    std::uint64_t dbits = in.ConsumeIntegral<std::uint64_t>();
    __builtin_memcpy(&d, &dbits, sizeof d);
    Converts([&] { (void)RoundToLong(d); });
    return 0;
}

#include "font/font_values.h"

#include <cmath>
#include <limits>

#include "automation/failure.h"

namespace cz {
namespace {

[[noreturn]] void typeMismatch() { throw Failure(runtime_error::TypeMismatch, u"Type mismatch"); }
[[noreturn]] void overflow() { throw Failure(runtime_error::Overflow, u"Overflow"); }

constexpr std::int64_t kCurrencyScale = 10000;

std::int32_t checkedLong(double rounded) {
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        overflow();
    return static_cast<std::int32_t>(rounded);
}

struct NumberReader {
    double operator()(Empty) const { return 0; }
    double operator()(std::uint8_t v) const { return v; }
    double operator()(std::int16_t v) const { return v; }
    double operator()(std::int32_t v) const { return v; }
    double operator()(Boolean v) const { return v.value; }
    double operator()(Currency v) const { return static_cast<double>(v.scaled) / kCurrencyScale; }
    double operator()(double v) const { return v; }
    double operator()(const auto&) const { typeMismatch(); }
};

}  // namespace

double AsDouble(const Variant& value) { return std::visit(NumberReader{}, value); }

bool AsBoolean(const Variant& value) {
    if (auto* b = std::get_if<Boolean>(&value)) return b->value != False;
    return AsDouble(value) != 0;
}

std::int32_t AsLong(const Variant& value) { return RoundToLong(AsDouble(value)); }

String AsText(const Variant& value) {
    if (std::holds_alternative<Empty>(value)) return String();
    if (auto* text = std::get_if<String>(&value)) return *text;
    typeMismatch();
}

std::int32_t RoundToLong(double value) {
    if (std::isnan(value)) overflow();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    return checkedLong(whole);
}

std::int32_t HeightInPixels(const Variant& size, float twipsPerPixel) {
    const double pixelsPerPoint = 20.0 / static_cast<double>(twipsPerPixel);
    return RoundToLong(-(AsDouble(size) * pixelsPerPoint));
}

std::int32_t TenthsOfPoint(const Variant& size) {
    const auto* currency = std::get_if<Currency>(&size);
    if (!currency) return RoundToLong(AsDouble(size) * 10);
    // Tenths are thousandths of the scaled value: divide exactly and round the remainder half to even.
    constexpr std::int64_t kPerTenth = kCurrencyScale / 10;
    std::int64_t tenths = currency->scaled / kPerTenth;
    const std::int64_t rest = currency->scaled % kPerTenth;  // same sign as the value
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > kPerTenth || (twice == kPerTenth && tenths % 2 != 0)) tenths += rest < 0 ? -1 : 1;
    return checkedLong(static_cast<double>(tenths));
}

}  // namespace cz

#include "frame/long_value.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "automation/failure.h"

namespace cz {
namespace {

[[noreturn]] void mismatch() { throw Failure(runtime_error::TypeMismatch, u"Type mismatch"); }

std::int32_t rounded(double number) {
    if (std::isnan(number)) mismatch();
    double whole = std::nearbyint(number);  // the default rounding mode sends an exact half to even
    if (whole < -2147483648.0 || whole > 2147483647.0) throw Failure(runtime_error::Overflow, u"Overflow");
    return static_cast<std::int32_t>(whole);
}

// A currency value's whole units, an exact half going to the even neighbour.
std::int32_t rounded(Currency c) {
    std::int64_t whole = c.scaled / 10000, rest = c.scaled % 10000;
    if (rest > 5000 || (rest == 5000 && whole % 2 != 0)) ++whole;
    if (rest < -5000 || (rest == -5000 && whole % 2 != 0)) --whole;
    if (whole < INT32_MIN || whole > INT32_MAX) throw Failure(runtime_error::Overflow, u"Overflow");
    return static_cast<std::int32_t>(whole);
}

double numberIn(const String& text) {
    std::string narrow;
    for (char16_t c : text) {
        if (c > 0x7F) mismatch();
        narrow.push_back(static_cast<char>(c));
    }
    const char* begin = narrow.c_str();
    char* end = nullptr;
    double number = std::strtod(begin, &end);
    while (end && *end == ' ') ++end;
    if (end == begin || !end || *end != '\0') mismatch();
    return number;
}

}  // namespace

std::int32_t LongValue(const Variant& value) {
    if (std::holds_alternative<Empty>(value)) return 0;
    if (auto* v = std::get_if<std::uint8_t>(&value)) return *v;
    if (auto* v = std::get_if<std::int16_t>(&value)) return *v;
    if (auto* v = std::get_if<std::int32_t>(&value)) return *v;
    if (auto* v = std::get_if<Boolean>(&value)) return v->value;
    if (auto* v = std::get_if<double>(&value)) return rounded(*v);
    if (auto* v = std::get_if<Currency>(&value)) return rounded(*v);
    if (auto* v = std::get_if<String>(&value)) return rounded(numberIn(*v));
    mismatch();
}

}  // namespace cz

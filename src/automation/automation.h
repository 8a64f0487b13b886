// The automation types that cross the library's interfaces, in portable form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cz {

using String = std::u16string;

// Automation boolean: True is -1, False is 0, and nothing the library computes is ever anything else.
using Bool = std::int16_t;
inline constexpr Bool True = -1;
inline constexpr Bool False = 0;
constexpr Bool toBool(bool b) { return b ? True : False; }

class LateBound;
// A counted reference to an automation object reached by name; empty means "Nothing".
using Object = std::shared_ptr<LateBound>;

struct Empty {};
// An optional argument that the caller did not supply.
struct Missing {};
// A boolean inside a VARIANT, kept apart from 16-bit integers.
struct Boolean {
    Bool value;
};
// The currency type: a fixed-point decimal with four decimal places, held as the value times 10000.
struct Currency {
    std::int64_t scaled;
    friend bool operator==(Currency, Currency) = default;
};

// A byte travels as std::uint8_t, kept apart from the 16-bit integers.
using Variant = std::variant<Empty, Missing, std::uint8_t, std::int16_t, std::int32_t, Boolean, Currency, double, String,
                             Object>;

// One argument of a late-bound call; by reference unless said otherwise, as a script passes variables.
struct Arg {
    Variant value;
    bool byRef = true;
};

// The late-bound face of an automation object: properties and methods by name. Failures throw
// cz::Failure.
class LateBound {
public:
    virtual ~LateBound() = default;
    virtual Variant get(std::u16string_view name) = 0;
    virtual void put(std::u16string_view name, const Variant& value) = 0;
    virtual Variant call(std::u16string_view name, std::vector<Arg>& args) = 0;
};

}  // namespace cz

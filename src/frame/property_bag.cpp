#include "frame/property_bag.h"

#include <algorithm>

#include "automation/failure.h"

namespace cz {
namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// Automation names match without regard to case.
bool sameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

[[noreturn]] void noSuchMember(std::u16string_view name) {
    throw Failure(runtime_error::NoSuchMember, u"Object doesn't support this property or method: " + String(name));
}

}  // namespace

Variant PropertyBag::get(std::u16string_view name) {
    auto it = std::find_if(values_.begin(), values_.end(), [&](const auto& v) { return sameName(v.first, name); });
    if (it == values_.end()) noSuchMember(name);
    return it->second;
}

void PropertyBag::put(std::u16string_view name, const Variant&) { noSuchMember(name); }

Variant PropertyBag::call(std::u16string_view name, std::vector<Arg>& args) {
    if (!args.empty()) noSuchMember(name);
    return get(name);
}

}  // namespace cz

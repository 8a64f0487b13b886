#include "pillar/late_bound_reads.h"

#include <cmath>
#include <string>

#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/variant_conversion.h"
#include "platform/win32/variant_holder.h"

namespace cz::pillar {
namespace {

Variant read(const Object& object, std::u16string_view name) {
    if (!object) return Empty{};
    try {
        return object->get(name);
    } catch (const Failure&) {
        return Empty{};
    }
}

}  // namespace

Object objectIn(const VARIANT& value) {
    try {
        Variant v = win32::toPortable(value);
        if (auto* object = std::get_if<Object>(&v)) return *object;
    } catch (const Failure&) {
    }
    return Object();
}

String readText(const Object& object, std::u16string_view name) {
    Variant v = read(object, name);
    if (auto* text = std::get_if<String>(&v)) return *text;
    win32::VariantHolder holder;
    win32::toVariant(v, holder.get());
    return textIn(*holder.get());
}

std::int32_t readInteger(const Object& object, std::u16string_view name) {
    Variant v = read(object, name);
    if (auto* n = std::get_if<std::int32_t>(&v)) return *n;
    if (auto* n = std::get_if<std::int16_t>(&v)) return *n;
    if (auto* n = std::get_if<double>(&v))
        if (std::isfinite(*n) && *n >= -2147483648.0 && *n <= 2147483647.0) return static_cast<std::int32_t>(*n);
    return 0;
}

String textIn(const VARIANT& value) {
    win32::VariantHolder plain, text;
    if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&value)))) return String();
    if (plain->vt == (VT_BYREF | VT_VARIANT)) return plain->pvarVal ? textIn(*plain->pvarVal) : String();
    if (plain->vt == VT_EMPTY || plain->vt == VT_ERROR || plain->vt == VT_DISPATCH || plain->vt == VT_UNKNOWN)
        return String();
    if (FAILED(VariantChangeType(text.get(), plain.get(), 0, VT_BSTR))) return String();
    return win32::toString(text->bstrVal);
}

}  // namespace cz::pillar

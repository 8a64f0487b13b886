#include "com/common/argument_values.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace cz::com {
namespace {

bool isObjectType(VARTYPE vt) { return vt == VT_DISPATCH || vt == VT_UNKNOWN; }

bool isIntegerType(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_I8: case VT_UI8: case VT_ERROR:
        return true;
    default:
        return false;
    }
}

// The integer types (and the automation boolean) converted here without the automation layer.
bool isSmallIntegerType(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_BOOL:
        return true;
    default:
        return false;
    }
}

// The integer a variant of a small integer type (or an automation boolean) holds.
bool smallInteger(const VARIANT& v, std::int64_t& value) {
    switch (v.vt) {
    case VT_I1: value = v.cVal; return true;
    case VT_UI1: value = v.bVal; return true;
    case VT_I2: value = v.iVal; return true;
    case VT_UI2: value = v.uiVal; return true;
    case VT_BOOL: value = v.boolVal; return true;
    case VT_I4: case VT_INT: value = v.lVal; return true;
    case VT_UI4: case VT_UINT: value = v.ulVal; return true;
    default: return false;
    }
}

// Stores an integer into a small integer type or a boolean; false when it does not fit.
bool storeSmallInteger(std::int64_t value, VARTYPE vt, VARIANT& target) {
    auto within = [&](std::int64_t low, std::int64_t high) { return value >= low && value <= high; };
    switch (vt) {
    case VT_I1: if (!within(-128, 127)) return false; target.cVal = static_cast<CHAR>(value); break;
    case VT_UI1: if (!within(0, 255)) return false; target.bVal = static_cast<BYTE>(value); break;
    case VT_I2: if (!within(-32768, 32767)) return false; target.iVal = static_cast<SHORT>(value); break;
    case VT_UI2: if (!within(0, 65535)) return false; target.uiVal = static_cast<USHORT>(value); break;
    case VT_BOOL: target.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_I4: case VT_INT:
        if (!within(INT32_MIN, INT32_MAX)) return false;
        target.lVal = static_cast<LONG>(value);
        break;
    case VT_UI4: case VT_UINT:
        if (!within(0, UINT32_MAX)) return false;
        target.ulVal = static_cast<ULONG>(value);
        break;
    default: return false;
    }
    target.vt = vt;
    return true;
}

bool notFinite(const VARIANT& v) {
    return (v.vt == VT_R8 && !std::isfinite(v.dblVal)) || (v.vt == VT_R4 && !std::isfinite(v.fltVal));
}

// Bytes of the value a typed reference points to; 0 for a type not read through here.
std::size_t valueSize(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: return 1;
    case VT_I2: case VT_UI2: case VT_BOOL: return 2;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR: return 4;
    case VT_I8: case VT_UI8: case VT_R8: case VT_DATE: case VT_CY: return 8;
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: return sizeof(void*);
    default: return 0;
    }
}

}  // namespace

bool isMissing(const VARIANT& v) noexcept { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

HRESULT resolveArgument(const VARIANT& argument, ResolvedArgument& out) noexcept {
    const VARIANT* current = &argument;
    out.variable = nullptr;
    for (int depth = 0; current->vt == (VT_BYREF | VT_VARIANT); ++depth) {
        if (depth == kMaxReferenceDepth || !current->pvarVal) return DISP_E_TYPEMISMATCH;
        out.variable = current->pvarVal;
        current = current->pvarVal;
    }
    if ((current->vt & VT_BYREF) && !current->byref) return DISP_E_TYPEMISMATCH;
    out.innermost = current;
    return S_OK;
}

HRESULT readThrough(const VARIANT& resolved, VARIANT& view) noexcept {
    if (!(resolved.vt & VT_BYREF)) {
        view = resolved;
        return S_OK;
    }
    const VARTYPE vt = static_cast<VARTYPE>(resolved.vt & ~VT_BYREF);
    VariantInit(&view);
    if (vt == VT_DECIMAL) {
        view.decVal = *resolved.pdecVal;
        view.vt = VT_DECIMAL;
        return S_OK;
    }
    const std::size_t size = valueSize(vt);
    if (size == 0) return DISP_E_TYPEMISMATCH;
    std::memcpy(&view.llVal, resolved.byref, size);
    view.vt = vt;
    return S_OK;
}

HRESULT coerce(const VARIANT& view, VARTYPE vt, VARIANT& target) noexcept {
    VariantInit(&target);
    if (view.vt == vt) return VariantCopy(&target, const_cast<VARIANT*>(&view));
    if (isObjectType(vt) && (view.vt == VT_EMPTY || view.vt == VT_NULL)) {
        target.vt = vt;
        target.punkVal = nullptr;
        return S_OK;
    }
    // The automation layer rounds NaN to the largest integer and an infinity past it: neither is a number
    // an integer can hold.
    if (isIntegerType(vt) && notFinite(view)) return DISP_E_OVERFLOW;
    std::int64_t value = 0;
    if (isSmallIntegerType(vt) && smallInteger(view, value))
        return storeSmallInteger(value, vt, target) ? S_OK : DISP_E_OVERFLOW;
    HRESULT hr = VariantChangeType(&target, const_cast<VARIANT*>(&view), 0, vt);
    if (FAILED(hr)) VariantInit(&target);
    return hr == E_OUTOFMEMORY || hr == DISP_E_OVERFLOW || SUCCEEDED(hr) ? hr : DISP_E_TYPEMISMATCH;
}

}  // namespace cz::com

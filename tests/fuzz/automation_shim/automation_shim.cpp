// A small model of the automation library's variant calls for the host: strings with their length in
// front, copies, and conversions between numbers, booleans and text (rounding half to even, an overflow
// beyond the target's range, a type mismatch for anything else).
#include "oleauto.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + (length + 1) * sizeof(OLECHAR)));
    if (!block) return nullptr;
    block[0] = static_cast<std::uint32_t>(length * sizeof(OLECHAR));
    BSTR s = reinterpret_cast<BSTR>(block + 1);
    if (text) std::memcpy(s, text, length * sizeof(OLECHAR));
    else std::memset(s, 0, length * sizeof(OLECHAR));
    s[length] = 0;
    return s;
}

void SysFreeString(BSTR s) {
    if (s) std::free(reinterpret_cast<std::uint32_t*>(s) - 1);
}

UINT SysStringLen(BSTR s) { return s ? reinterpret_cast<std::uint32_t*>(s)[-1] / sizeof(OLECHAR) : 0; }

void VariantInit(VARIANT* v) { v->vt = VT_EMPTY; }

HRESULT VariantClear(VARIANT* v) {
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    v->vt = VT_EMPTY;
    return S_OK;
}

HRESULT VariantCopy(VARIANT* destination, VARIANT* source) {
    if (destination == source) return S_OK;
    VariantClear(destination);
    *destination = *source;
    if (source->vt == VT_BSTR && source->bstrVal) {
        destination->bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (!destination->bstrVal) {
            destination->vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
    }
    return S_OK;
}

namespace {

bool numberOf(const VARIANT& v, double& out) {
    switch (v.vt) {
    case VT_EMPTY: out = 0; return true;
    case VT_I1: out = v.cVal; return true;
    case VT_UI1: out = v.bVal; return true;
    case VT_I2: out = v.iVal; return true;
    case VT_UI2: out = v.uiVal; return true;
    case VT_I4: case VT_INT: out = v.lVal; return true;
    case VT_UI4: case VT_UINT: out = v.ulVal; return true;
    case VT_I8: out = static_cast<double>(v.llVal); return true;
    case VT_UI8: out = static_cast<double>(v.ullVal); return true;
    case VT_BOOL: out = v.boolVal; return true;
    case VT_R4: out = v.fltVal; return true;
    case VT_R8: case VT_DATE: out = v.dblVal; return true;
    case VT_CY: out = static_cast<double>(v.llVal) / 10000.0; return true;
    case VT_BSTR: {
        std::string narrow;
        for (UINT i = 0; i < SysStringLen(v.bstrVal); ++i) {
            if (v.bstrVal[i] == 0 || v.bstrVal[i] > 0x7F) return false;
            narrow.push_back(static_cast<char>(v.bstrVal[i]));
        }
        char* end = nullptr;
        out = std::strtod(narrow.c_str(), &end);
        return !narrow.empty() && end && *end == '\0';
    }
    default: return false;
    }
}

template <class T>
bool fits(double rounded) {
    return rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
           rounded <= static_cast<double>(std::numeric_limits<T>::max());
}

}  // namespace

HRESULT VariantChangeType(VARIANT* destination, VARIANT* source, USHORT, VARTYPE vt) {
    VARIANT result;
    result.llVal = 0;
    result.vt = vt;
    double n = 0;
    if (vt == VT_BSTR) {
        std::string text;
        if (source->vt != VT_EMPTY) {
            if (!numberOf(*source, n)) return DISP_E_TYPEMISMATCH;
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.15g", n);
            text = buffer;
        }
        std::u16string wide(text.begin(), text.end());
        result.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!result.bstrVal) return E_OUTOFMEMORY;
        VariantClear(destination);
        *destination = result;
        return S_OK;
    }
    if (!numberOf(*source, n)) return DISP_E_TYPEMISMATCH;
    const double r = std::nearbyint(n);
    switch (vt) {
    case VT_I1: if (!fits<signed char>(r)) return DISP_E_OVERFLOW; result.cVal = static_cast<CHAR>(r); break;
    case VT_UI1: if (!fits<BYTE>(r)) return DISP_E_OVERFLOW; result.bVal = static_cast<BYTE>(r); break;
    case VT_I2: if (!fits<SHORT>(r)) return DISP_E_OVERFLOW; result.iVal = static_cast<SHORT>(r); break;
    case VT_UI2: if (!fits<USHORT>(r)) return DISP_E_OVERFLOW; result.uiVal = static_cast<USHORT>(r); break;
    case VT_I4: case VT_INT: if (!fits<LONG>(r)) return DISP_E_OVERFLOW; result.lVal = static_cast<LONG>(r); break;
    case VT_UI4: case VT_UINT: if (!fits<ULONG>(r)) return DISP_E_OVERFLOW; result.ulVal = static_cast<ULONG>(r); break;
    case VT_I8: if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18)) return DISP_E_OVERFLOW;
        result.llVal = static_cast<LONGLONG>(r); break;
    case VT_BOOL: result.boolVal = n != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_R8: result.dblVal = n; break;
    case VT_R4: if (std::isfinite(n) && std::fabs(n) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
        result.fltVal = static_cast<float>(n); break;
    default: return DISP_E_TYPEMISMATCH;
    }
    VariantClear(destination);
    *destination = result;
    return S_OK;
}

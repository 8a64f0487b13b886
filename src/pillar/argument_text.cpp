#include "pillar/argument_text.h"

#include <string>

#include "platform/win32/bstr.h"
#include "platform/win32/variant_holder.h"

namespace cz::pillar {
namespace {

template <class Number>
String decimal(Number n) {
    std::string digits = std::to_string(n);
    return String(digits.begin(), digits.end());
}

String quoted(const String& text) {
    String out;
    out.reserve(text.size() + 2);
    out.append(1, u'"').append(text).append(1, u'"');
    return out;
}

String describeValue(const VARIANT& v) {
    switch (v.vt) {
    case VT_EMPTY:
        return u"empty";
    case VT_ERROR:
        if (v.scode == DISP_E_PARAMNOTFOUND) return u"missing";
        break;
    case VT_DISPATCH:
        return v.pdispVal ? u"object" : u"nothing";
    case VT_BSTR:
        return quoted(win32::toString(v.bstrVal));
    case VT_I1:
        return decimal(static_cast<int>(v.cVal));
    case VT_UI1:
        return decimal(static_cast<unsigned>(v.bVal));
    case VT_I2:
        return decimal(v.iVal);
    case VT_UI2:
        return decimal(v.uiVal);
    case VT_I4:
        return decimal(v.lVal);
    case VT_UI4:
        return decimal(v.ulVal);
    case VT_INT:
        return decimal(v.intVal);
    case VT_UINT:
        return decimal(v.uintVal);
    case VT_I8:
        return decimal(v.llVal);
    case VT_UI8:
        return decimal(v.ullVal);
    default:
        break;
    }
    return u"vt=" + decimal(static_cast<unsigned>(v.vt));
}

}  // namespace

String describeArgument(const VARIANT& value) {
    if (value.vt == (VT_BYREF | VT_VARIANT)) return value.pvarVal ? describeArgument(*value.pvarVal) : u"vt=16396";
    if (!(value.vt & VT_BYREF)) return describeValue(value);
    win32::VariantHolder plain;
    if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&value))))
        return u"vt=" + decimal(static_cast<unsigned>(value.vt));
    return describeValue(*plain.get());
}

String describeArguments(std::span<const VARIANT* const> values) {
    String text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += u";";
        text += describeArgument(*values[i]);
    }
    return text;
}

}  // namespace cz::pillar

// What the type library declares about a member's parameters, reduced to the form the dispatch needs:
// value type, by reference or by value, in/out, optional, and the declared default already converted to
// the parameter's type.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "platform/win32/variant_holder.h"

namespace cz::com {

struct ParameterType {
    // Declared value type: VT_I4 for an enumeration, VT_DISPATCH or VT_UNKNOWN for an interface.
    VARTYPE vt = VT_EMPTY;
    bool byRef = false;
    bool out = false;  // [in, out]: what the member writes goes back to the caller's variable
    bool optional = false;
    bool hasDefault = false;
    win32::VariantHolder defaultValue;  // of type vt (or as declared for a VARIANT parameter)
};

// The parameter described by element of a function of info. False for a form the dispatch does not
// handle (pointer to pointer, arrays, records, a locale parameter).
bool describeParameter(ITypeInfo& info, const ELEMDESC& element, ParameterType& out);

}  // namespace cz::com

// What the type library declares about one member's parameters, in the form argument preparation needs.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "com/common/type_info_records.h"

namespace cz::com {

struct ParameterType {
    // Declared value type: VT_I4 for an enumeration, VT_DISPATCH or VT_UNKNOWN for an interface.
    VARTYPE vt = VT_EMPTY;
    bool byRef = false;
    bool optional = false;
    // The declared default, owned by the FUNCDESC it came from; null when there is none.
    const VARIANT* defaultValue = nullptr;
    // A form not handled here (pointer to pointer, arrays, records): the argument passes untouched.
    bool passThrough = false;
};

// The FUNCDESC of a member and its caller-visible parameters (return value and locale excluded).
class MemberDescription {
public:
    // Finds the member with this id whose kind matches the invocation flags. False when there is none
    // or it takes a locale parameter.
    bool load(ITypeInfo& info, DISPID id, WORD flags);

    const std::vector<ParameterType>& parameters() const { return parameters_; }

private:
    FunctionDescription desc_;  // owns the parameter descriptions, defaults included
    std::vector<ParameterType> parameters_;
};

}  // namespace cz::com

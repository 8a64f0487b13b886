// The members of one dual interface as its vtable description declares them, read once per class: for
// each, its dispatch id and kind, its vtable slot, its caller-visible parameters and its result. The
// dispatch calls a member straight from this table.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "com/common/parameter_types.h"

namespace cz::com {

// More parameters than this make a member the dispatch does not call.
constexpr unsigned kMaxParameters = 15;

struct Member {
    DISPID id = DISPID_UNKNOWN;
    INVOKEKIND kind = INVOKE_FUNC;
    unsigned vtableSlot = 0;
    std::vector<ParameterType> parameters;  // without the result
    bool hasResult = false;
    VARTYPE resultVt = VT_EMPTY;  // the value type the [out, retval] parameter points to
    // Every parameter and the result fit one machine word: the member can be called directly.
    bool wordArguments = false;
};

class MemberTable {
public:
    // Reads the functions of vtableInfo. Members the dispatch cannot call (a locale parameter, arrays,
    // records, a result that is no HRESULT) are left out.
    HRESULT build(ITypeInfo& vtableInfo) noexcept;

    // The member with this id whose kind is among the invocation flags; null when there is none.
    const Member* find(DISPID id, WORD flags) const noexcept;
    // Whether any member has this id (for DISP_E_MEMBERNOTFOUND against a wrong kind).
    bool knows(DISPID id) const noexcept;

private:
    std::vector<Member> members_;  // sorted by id
};

}  // namespace cz::com

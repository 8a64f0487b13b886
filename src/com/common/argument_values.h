// Reading and converting the arguments a caller hands to IDispatch::Invoke, without trusting them: a
// chain of by-reference variants is followed only so far, a null reference is an error and never read,
// and NaN or an infinity is no integer.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace cz::com {

// How deep VT_BYREF|VT_VARIANT references may nest (a script's variable is one level).
constexpr int kMaxReferenceDepth = 8;

struct ResolvedArgument {
    VARIANT* variable = nullptr;  // the innermost variant, when reached through VT_BYREF|VT_VARIANT
    const VARIANT* innermost = nullptr;  // what the chain ends at (the argument itself if no chain)
};

// Follows VT_BYREF|VT_VARIANT references to the variant they end at. DISP_E_TYPEMISMATCH for a null
// reference anywhere, a chain deeper than kMaxReferenceDepth, or a typed reference that is null.
HRESULT resolveArgument(const VARIANT& argument, ResolvedArgument& out) noexcept;

// A by-value view of a resolved variant: a typed reference read through. The view owns nothing.
HRESULT readThrough(const VARIANT& resolved, VARIANT& view) noexcept;

// Converts a by-value view to vt into target (empty on entry), which then owns its value. Empty and Null
// become the null reference where an object is wanted.
HRESULT coerce(const VARIANT& view, VARTYPE vt, VARIANT& target) noexcept;

bool isMissing(const VARIANT& v) noexcept;

}  // namespace cz::com

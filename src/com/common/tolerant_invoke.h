// IDispatch::Invoke from a class's member table, accepting arguments the way script hosts pass them and
// trusting nothing a caller hands over:
// - the counts are checked against the member's declared parameters before anything is read (too many
//   is DISP_E_BADPARAMCOUNT), null arrays with non-zero counts are refused, chains of by-reference
//   variants are followed only so far and a null reference is never read;
// - a variable passed by reference (VT_BYREF|VT_VARIANT) to a typed by-reference parameter: the member
//   works on the variable itself when it has the declared type, else on a converted copy that goes back
//   into the variable only when the member changed it ([in, out] parameters);
// - a by-reference argument for a by-value parameter is read through; any other argument of the wrong
//   type is converted as the automation layer converts, NaN and infinities being no integers;
// - every omitted optional argument, positional or named, takes its declared default, or, without one,
//   the zero value of its type (0, "", Nothing), unless the parameter is a VARIANT, which receives it as
//   missing;
// - a failure code from the member comes back as DISP_E_EXCEPTION with the error information in
//   EXCEPINFO.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "com/common/member_table.h"

namespace cz::com {

// instance points to the interface whose vtable members describes.
HRESULT invokeMember(const MemberTable& members, void* instance, DISPID id, WORD flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept;

}  // namespace cz::com

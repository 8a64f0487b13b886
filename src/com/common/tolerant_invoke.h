// IDispatch::Invoke through the type library (ITypeInfo::Invoke), accepting arguments the way script
// hosts pass them:
// - a variable passed by reference (VT_BYREF|VT_VARIANT) to a typed by-reference parameter: the variable
//   is converted in place to the declared type and passed as VT_BYREF|type pointing at it, so what the
//   member writes lands in the caller's variable;
// - a by-reference argument for a by-value parameter is read through; any other argument of the wrong
//   type is converted as the automation layer converts;
// - an omitted optional argument takes its declared default, or, without one, the zero value of its
//   type (0, "", Nothing), unless the parameter is a VARIANT, which receives it as missing.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace cz::com {

// vtableInfo describes the interface that instance points to.
HRESULT invokeTolerant(ITypeInfo& vtableInfo, void* instance, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept;

}  // namespace cz::com

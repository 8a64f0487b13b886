// The system's standard font object (StdFont of OLE automation).
#include <windows.h>
#include <olectl.h>

#include "automation/failure.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/variant_conversion.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

Object Win32Platform::NewStdFont() {
    ComPtr<IDispatch> font;
    if (FAILED(CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, font.putVoid())) || !font)
        throw Failure(runtime_error::CantCreateObject, u"ActiveX component can't create object: 'StdFont'");
    return toObject(font.get());
}

}  // namespace cz::win32

// Deleting a device context the library made (gdi32).
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace cz::win32 {

bool Win32Platform::DeleteDC(std::int32_t hdc) { return ::DeleteDC(static_cast<HDC>(LongToHandle(hdc))) != FALSE; }

}  // namespace cz::win32

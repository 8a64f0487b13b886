// A window's parent (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

WindowHandle Win32Platform::GetParent(WindowHandle hwnd) { return HandleToLong(::GetParent(toHwnd(hwnd))); }

}  // namespace cz::win32

// GetClientRect (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

bool Win32Platform::GetClientRect(WindowHandle hwnd, Rect& rect) {
    RECT r{};
    if (!::GetClientRect(toHwnd(hwnd), &r)) return false;
    rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

}  // namespace cz::win32

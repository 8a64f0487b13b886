// SetWindowPlacement (user32).
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_placement.h"

namespace cz::win32 {

bool Win32Platform::SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) {
    const WINDOWPLACEMENT w = toSystem(placement);
    return ::SetWindowPlacement(toHwnd(hwnd), &w) != FALSE;
}

}  // namespace cz::win32

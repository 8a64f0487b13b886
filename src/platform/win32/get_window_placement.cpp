// GetWindowPlacement (user32): the caller's length goes to the system as it is.
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_placement.h"

namespace cz::win32 {

bool Win32Platform::GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) {
    WINDOWPLACEMENT w = toSystem(placement);
    if (!::GetWindowPlacement(toHwnd(hwnd), &w)) return false;
    placement = fromSystem(w);
    return true;
}

}  // namespace cz::win32

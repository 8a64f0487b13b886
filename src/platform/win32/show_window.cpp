// ShowWindow (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

bool Win32Platform::ShowWindow(WindowHandle hwnd, std::int32_t command) {
    return ::ShowWindow(toHwnd(hwnd), command) != FALSE;
}

}  // namespace cz::win32

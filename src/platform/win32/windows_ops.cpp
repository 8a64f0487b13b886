// Windows and messages (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

bool Win32Platform::SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) {
    return ::SetWindowTextA(toHwnd(hwnd), ansiText.c_str()) != FALSE;
}

WindowHandle Win32Platform::GetDesktopWindow() { return HandleToLong(::GetDesktopWindow()); }

bool Win32Platform::GetWindowRect(WindowHandle hwnd, Rect& rect) {
    RECT r{};
    if (!::GetWindowRect(toHwnd(hwnd), &r)) return false;
    rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32Platform::MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height, bool repaint) {
    return ::MoveWindow(toHwnd(hwnd), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    return ::SendMessageA(toHwnd(hwnd), message, wParam, lParam);
}

}  // namespace cz::win32

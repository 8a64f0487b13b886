// SetParent (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

WindowHandle Win32Platform::SetParent(WindowHandle child, WindowHandle newParent) {
    return HandleToLong(::SetParent(toHwnd(child), toHwnd(newParent)));
}

}  // namespace cz::win32

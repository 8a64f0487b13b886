// GetDlgItem (user32).
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

WindowHandle Win32Platform::GetDlgItem(WindowHandle dialog, std::int32_t id) {
    return HandleToLong(::GetDlgItem(toHwnd(dialog), id));
}

}  // namespace cz::win32

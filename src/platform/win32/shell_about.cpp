// The shell's about box (shell32).
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

std::int32_t Win32Platform::ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                                        std::int32_t hIcon) {
    return systemFunction<decltype(&::ShellAboutA)>(kShell, "ShellAboutA")(toHwnd(hwnd), app.c_str(), otherStuff.c_str(), static_cast<HICON>(LongToHandle(hIcon)));
}

}  // namespace cz::win32

// Kernel object handles (kernel32).
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace cz::win32 {

bool Win32Platform::CloseHandle(std::uintptr_t handle) { return ::CloseHandle(reinterpret_cast<HANDLE>(handle)) != FALSE; }

}  // namespace cz::win32

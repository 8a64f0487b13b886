// Memory blocks (kernel32, ole32).
#include <windows.h>
#include <objbase.h>


#include "platform/win32/win32_platform.h"

namespace cz::win32 {

void Win32Platform::CoTaskMemFree(std::uintptr_t block) { ::CoTaskMemFree(reinterpret_cast<void*>(block)); }

std::uintptr_t Win32Platform::LocalAlloc(std::uint32_t flags, std::size_t bytes) {
    return reinterpret_cast<std::uintptr_t>(::LocalAlloc(flags, bytes));
}

std::uintptr_t Win32Platform::LocalFree(std::uintptr_t block) {
    return reinterpret_cast<std::uintptr_t>(::LocalFree(reinterpret_cast<HLOCAL>(block)));
}

std::uintptr_t Win32Platform::GlobalFree(std::uintptr_t block) {
    return reinterpret_cast<std::uintptr_t>(::GlobalFree(reinterpret_cast<HGLOBAL>(block)));
}

void (Win32Platform::RtlMoveMemory)(void* destination, const void* source, std::size_t bytes) {
    ::RtlMoveMemory(destination, source, bytes);
}

}  // namespace cz::win32

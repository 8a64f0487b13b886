// DllRegisterServer and DllUnregisterServer: the classes of a DLL under their ProgIDs
// ("<library>.<class>"), in process, apartment-threaded, and the type library embedded in the DLL.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

#include "com/common/class_factory.h"

namespace cz::com {

HRESULT registerServer(std::wstring_view library, std::span<const ClassEntry> classes) noexcept;
// Removes exactly what registerServer writes; what is already gone is no failure.
HRESULT unregisterServer(std::wstring_view library, std::span<const ClassEntry> classes) noexcept;

}  // namespace cz::com

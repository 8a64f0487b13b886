// Window handles cross the automation interface as 32-bit integers; the system widens them by sign
// extension, as it does for every handle a 32-bit process hands to a 64-bit one.
#pragma once

#include <windows.h>

#include "platform/records.h"

namespace cz::win32 {

inline HWND toHwnd(WindowHandle hwnd) { return static_cast<HWND>(LongToHandle(hwnd)); }

// A procedure of the portable code handed to the system: same arguments, same calling convention, so
// only the declared types differ.
template <class SystemProcedure, class PortableProcedure>
SystemProcedure asSystemProcedure(PortableProcedure procedure) {
    static_assert(sizeof(SystemProcedure) == sizeof(PortableProcedure));
    return reinterpret_cast<SystemProcedure>(reinterpret_cast<void (*)()>(procedure));
}

}  // namespace cz::win32

// What the running module knows about itself: its handle and file, and how many of its COM objects and
// server locks are alive (the answer DllCanUnloadNow gives).
#pragma once

#include <windows.h>

#include "automation/automation.h"

namespace cz::win32::module {

void objectCreated() noexcept;
void objectDestroyed() noexcept;
// Never below zero: an unlock without a lock changes nothing.
void lockServer(bool lock) noexcept;
// True while an object made by this module or a server lock is alive.
bool inUse() noexcept;

// The DLL (or program) that contains this code.
HMODULE handle() noexcept;
// Its full file path.
String path();

}  // namespace cz::win32::module

// The system's text for an error code.
#pragma once

#include <windows.h>

#include "automation/automation.h"

namespace cz::win32 {

// The system's message for the code without its line break, or "Automation error 0x........" when the
// system has none.
String systemMessage(HRESULT code);

}  // namespace cz::win32

// The creatable classes of ZqPillar10.dll.
#pragma once

#include <windows.h>

namespace cz::pillar {

HRESULT createErrorHandler(REFIID iid, void** out) noexcept;  // clsZqfxErrorHandlerA
HRESULT createPillar(REFIID iid, void** out) noexcept;        // clsZqPillar10A

}  // namespace cz::pillar

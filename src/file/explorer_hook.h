// FileExplorerHookProc: the hook of the explorer-style file dialog. It receives a child dialog inside
// the platform's dialog, so it moves that child's parent.
#pragma once

#include "platform/records.h"

namespace cz {

std::uintptr_t CZ_CALLBACK FileExplorerHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                                std::intptr_t lParam);

}  // namespace cz

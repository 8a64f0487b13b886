// basZqPickerCallBackA: the hook procedures the colour, font and old-style file dialogs call while they
// start. They set the client's caption and centre the dialog on the screen.
#pragma once

#include "platform/records.h"

namespace cz {

std::uintptr_t CZ_CALLBACK ColourHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam);
std::uintptr_t CZ_CALLBACK FontHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam);
std::uintptr_t CZ_CALLBACK FileHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam);

}  // namespace cz

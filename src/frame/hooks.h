// basZqPickerCallBackA: the hook procedures the colour, font and old-style file dialogs call while they
// start. They set the client's caption and centre the dialog on the screen.
#pragma once

#include "frame/handler.h"
#include "frame/hook_state.h"
#include "platform/records.h"

namespace cz {

// Runs a hook's work in resume-next mode on the platform of the dialog that is running; nothing ever
// leaves a procedure the platform called.
template <class Body>
void RunHook(Body&& body) noexcept {
    try {
        Handler on = Handler::ResumeNext();
        Platform* platform = hookState().platform;
        if (platform) body(on, *platform);
    } catch (...) {
    }
}

std::uintptr_t CZ_CALLBACK ColourHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam);
std::uintptr_t CZ_CALLBACK FontHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam);
std::uintptr_t CZ_CALLBACK FileHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam);

}  // namespace cz

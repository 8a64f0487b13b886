#include "file/explorer_hook.h"

#include "frame/centring.h"
#include "frame/handler.h"
#include "frame/hook_state.h"

namespace cz {

std::uintptr_t CZ_CALLBACK FileExplorerHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t,
                                                std::intptr_t) {
    if (hwnd == 0) return 0;
    // Resume-next mode: nothing leaves a procedure the platform called, and nothing is reported.
    try {
        Handler on = Handler::ResumeNext();
        Platform* platform = hookState().platform;
        if (!platform) return 0;
        if (message == msg::InitDialog && hookState().FileCenterDialog != False) {
            WindowHandle dialog = 0;
            on.step([&] { dialog = platform->GetParent(static_cast<WindowHandle>(hwnd)); });
            CentreWindow(on, *platform, dialog, HalfDifference::Signed);
        }
    } catch (...) {
    }
    return 0;
}

}  // namespace cz

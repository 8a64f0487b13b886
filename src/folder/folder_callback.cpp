#include "folder/folder_callback.h"

#include <array>

#include "frame/handler.h"
#include "frame/hook_state.h"

namespace cz {

int CZ_CALLBACK FolderBrowserCallbackProc(std::intptr_t hwnd, std::uint32_t message, std::intptr_t lParam,
                                          std::intptr_t lpData) {
    try {
        Handler on = Handler::ResumeNext();
        Platform* platform = hookState().platform;
        if (!platform) return 0;
        WindowHandle dialog = static_cast<WindowHandle>(hwnd);

        if (message == msg::BrowseInitialized && lpData != 0) {
            // lpData is the initial path's block; wParam True says lParam is a path.
            on.step([&] { platform->SendMessageA(dialog, msg::BrowseSetSelection, static_cast<std::uintptr_t>(-1), lpData); });
        } else if (message == msg::BrowseSelectionChanged) {
            // The status text is sent whatever the flags say; the shell shows it where it has a status line.
            std::array<char, 512> path{};
            bool found = false;
            on.step([&] { found = platform->SHGetPathFromIDListA(static_cast<std::uintptr_t>(lParam), path.data()); });
            const char* status = found ? path.data() : "";
            on.step([&] { platform->SendMessageA(dialog, msg::BrowseSetStatusText, 0, reinterpret_cast<std::intptr_t>(status)); });
        }
    } catch (...) {
        // Nothing leaves a procedure the shell called.
    }
    return 0;
}

}  // namespace cz

#include "frame/hooks.h"

#include "frame/centring.h"
#include "frame/handler.h"
#include "frame/hook_state.h"

namespace cz {
namespace {

bool isBlank(const String& text) { return text.find_first_not_of(u' ') == String::npos; }

// Shows the client's caption (spaces kept) unless it is empty or blank, and keeps the title as the ANSI
// code page rendered it, so the client reads back what the dialog shows.
void ApplyCaption(Handler& on, Platform& platform, WindowHandle dialog, String& title) {
    if (isBlank(title)) return;
    std::string ansi;
    on.step([&] { ansi = platform.ToAnsi(title); });
    on.step([&] { platform.SetWindowTextA(dialog, ansi); });
    on.step([&] { title = platform.FromAnsi(ansi); });
}

// The colour and font dialogs' start: caption, then centring when asked.
void StartCaptionedDialog(std::intptr_t hwnd, String HookState::*title, Bool HookState::*centre) {
    RunHook([&](Handler& on, Platform& platform) {
        WindowHandle dialog = static_cast<WindowHandle>(hwnd);
        ApplyCaption(on, platform, dialog, hookState().*title);
        if (hookState().*centre == False) return;
        CentreWindow(on, platform, dialog, HalfDifference::Absolute);
    });
}

}  // namespace

std::uintptr_t CZ_CALLBACK ColourHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t,
                                          std::intptr_t) {
    if (message == msg::InitDialog)
        StartCaptionedDialog(hwnd, &HookState::ColourDialogTitle, &HookState::ColourCenterDialog);
    return 0;
}

std::uintptr_t CZ_CALLBACK FontHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t,
                                        std::intptr_t) {
    if (message == msg::InitDialog)
        StartCaptionedDialog(hwnd, &HookState::FontDialogTitle, &HookState::FontCenterDialog);
    return 0;
}

std::uintptr_t CZ_CALLBACK FileHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t,
                                        std::intptr_t) {
    if (message == msg::InitDialog) {
        RunHook([&](Handler& on, Platform& platform) {
            CentreWindow(on, platform, static_cast<WindowHandle>(hwnd), HalfDifference::Signed);
        });
    }
    return 0;
}

}  // namespace cz

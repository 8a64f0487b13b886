#include "preview_answers.h"

#include <commctrl.h>

namespace pilot {
namespace {

constexpr DWORD kListWait = 5000;   // ms the shell gets to fill the list
constexpr DWORD kPreviewWait = 1500;  // ms the client gets to hear the selection and draw

BOOL CALLBACK findList(HWND window, LPARAM found) {
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (std::wstring(cls) != WC_LISTVIEWW) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

bool isHighlightAnswer(const std::string& answer) { return answer == "highlight"; }

void answerHighlight(HWND dialog) {
    HWND list = nullptr;
    EnumChildWindows(dialog, findList, reinterpret_cast<LPARAM>(&list));
    // The list belongs to another process: only messages without pointers reach it.
    const ULONGLONG until = GetTickCount64() + kListWait;
    while (list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0 && GetTickCount64() < until) Sleep(50);
    if (list) {
        PostMessageW(list, WM_KEYDOWN, VK_HOME, 1);
        PostMessageW(list, WM_KEYUP, VK_HOME, 0xC0000001);
    }
    Sleep(kPreviewWait);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace pilot

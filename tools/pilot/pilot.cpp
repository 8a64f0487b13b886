// The demo's pilot: watches for the common dialogs that another process (the script host running the
// tour) opens, reports each one on standard output and answers it as told on standard input.
//
//   out: "dialog <hwnd> <x> <y> <width> <height> <caption>"   when a new dialog window appears
//   in:  "ok" | "cancel" | "colour <r> <g> <b>" (fills the colour dialog's edit boxes, then confirms)
//
// It ends when standard input closes. Given answers as arguments instead ("pilot ok cancel ..."), it
// answers the next dialogs with them in turn without waiting for standard input, and ends after the last.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;

struct Search {
    DWORD self;
    const std::set<HWND>* seen;
    HWND found = nullptr;
};

BOOL CALLBACK findDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (process != search->self && IsWindowVisible(window) && std::wstring(cls) == L"#32770" &&
        !search->seen->count(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void setNumber(HWND dialog, int id, int value) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(value).c_str()));
}

void answer(HWND dialog, const std::string& command) {
    int r = 0, g = 0, b = 0;
    if (std::sscanf(command.c_str(), "colour %d %d %d", &r, &g, &b) == 3) {
        setNumber(dialog, kRedEdit, r);
        setNumber(dialog, kGreenEdit, g);
        setNumber(dialog, kBlueEdit, b);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    } else if (command == "ok") {
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::set<HWND> seen;
    char line[256];
    for (int next = 1;;) {
        Search search{GetCurrentProcessId(), &seen};
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(100);
            continue;
        }
        HWND dialog = search.found;
        seen.insert(dialog);
        Sleep(300);  // let it finish painting before anyone looks at it
        RECT rect{};
        GetWindowRect(dialog, &rect);
        wchar_t caption[256] = {};
        GetWindowTextW(dialog, caption, 256);
        std::printf("dialog %p %ld %ld %ld %ld %s\n", static_cast<void*>(dialog), rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, utf8(caption).c_str());
        std::fflush(stdout);
        std::string command;
        if (argc > 1) {
            command = argv[next++];
        } else {
            if (!std::fgets(line, sizeof line, stdin)) return 0;
            command = line;
        }
        while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) command.pop_back();
        answer(dialog, command);
        if (argc > 1 && next == argc) return 0;
    }
}

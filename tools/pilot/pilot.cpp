// The pilot: watches for the common dialogs (windows of class #32770) that another process opens,
// reports each one and answers it. Two ways to run it:
//
//   pilot                       answers from standard input, one line per dialog; ends when input closes
//   pilot [--report <file>] [--limit <seconds>] [<answer>...] -- <program> [<argument>...]
//                               starts the program and answers the dialogs of that process only, with the
//                               answers in turn; ends when the program ends (see "Launch mode")
//
//   answer: "ok" | "cancel" | "colour <r> <g> <b>" (fills the colour dialog's edit boxes, then confirms)
//           | "print <copies> all|selection|pages <from> <to>" (see print_answers.h)
//           | "font <face> <size> [bold] [italic] [underline] [strikeout]" (see font_answers.h)
//           | "file <text>" (types it into the file dialog's name box, see file_answers.h)
//           | "highlight" (highlights the file dialog's first item, then cancels; see preview_answers.h)
//   out:    "dialog <hwnd> <x> <y> <width> <height> <caption>"   when a new dialog window appears, before
//           it is answered (the first way: on standard output, nothing else)
//
// Launch mode. The program inherits the pilot's standard handles. The report (the file, or standard
// output without --report) holds, one per line:
//   "screen <width> <height>"              the desktop window's size, first
//   "dialog <hwnd> <x> <y> <width> <height> <caption>"
//   "control <id> <class> <text>"          each visible child window of that dialog with text (line
//                                          breaks in the text become spaces)
//   "answer <answer>"                      what the dialog was answered with
//   "unexpected: cancelled"                a dialog that came after the last answer
//   "end: <n> dialogs for <m> answers"     or "end: time limit of <s> s reached, program ended"
// Exit status: 0 when the program ended within the limit (default 60 s) and the dialogs matched the
// answers one for one; 1 otherwise; 2 for a usage error.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "file_answers.h"
#include "font_answers.h"
#include "preview_answers.h"
#include "print_answers.h"

namespace {

constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;
constexpr DWORD kPoll = 50;       // ms between looks for a new dialog
constexpr DWORD kSettle = 300;    // ms a new dialog gets to finish painting before anyone looks at it
constexpr DWORD kLaunchSettle = 100;  // the same when no one takes pictures: caption, place and texts are set

struct Search {
    DWORD self;
    DWORD only;  // the process whose dialogs count; 0: any other process
    const std::set<HWND>* seen;
    HWND found = nullptr;
};

BOOL CALLBACK findDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    bool ours = search->only ? process == search->only : process != search->self;
    if (ours && IsWindowVisible(window) && std::wstring(cls) == L"#32770" && !search->seen->count(window)) {
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

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; *text; ++text) out.push_back(*text < 128 ? static_cast<char>(*text) : '?');
    return out;
}

bool validAnswer(const std::string& answer) {
    int r = 0, g = 0, b = 0;
    char rest = 0;
    return answer == "ok" || answer == "cancel" || std::sscanf(answer.c_str(), "colour %d %d %d%c", &r, &g, &b, &rest) == 3 ||
           pilot::isPrintAnswer(answer) || pilot::isFontAnswer(answer) || pilot::isFileAnswer(answer) ||
           pilot::isHighlightAnswer(answer);
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
    } else if (pilot::isPrintAnswer(command)) {
        pilot::answerPrint(dialog, command);
    } else if (pilot::isFontAnswer(command)) {
        pilot::answerFont(dialog, command);
    } else if (pilot::isFileAnswer(command)) {
        pilot::answerFile(dialog, command);
    } else if (pilot::isHighlightAnswer(command)) {
        pilot::answerHighlight(dialog);
    } else if (command == "ok") {
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

// Forgets the dialogs that are gone, so that a new window that gets an old handle counts as new.
void forgetClosed(std::set<HWND>& seen) {
    for (auto it = seen.begin(); it != seen.end();) it = IsWindow(*it) ? std::next(it) : seen.erase(it);
}

std::string dialogLine(HWND dialog) {
    RECT rect{};
    GetWindowRect(dialog, &rect);
    wchar_t caption[256] = {};
    GetWindowTextW(dialog, caption, 256);
    char head[128];
    std::snprintf(head, sizeof head, "dialog %p %ld %ld %ld %ld ", static_cast<void*>(dialog), rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top);
    return head + utf8(caption);
}

// ---- launch mode ----------------------------------------------------------------------------------------

struct Report {
    FILE* file;
    void line(const std::string& text) {
        std::fprintf(file, "%s\n", text.c_str());
        std::fflush(file);
    }
};

BOOL CALLBACK reportControl(HWND control, LPARAM context) {
    if (!IsWindowVisible(control)) return TRUE;
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    // The control belongs to another process: ask it, and do not wait for ever on one that hangs.
    SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length);
    if (!text[0]) return TRUE;
    std::wstring shown(text);
    for (auto& c : shown)
        if (c == L'\r' || c == L'\n') c = L' ';
    wchar_t cls[64] = {};
    GetClassNameW(control, cls, 64);
    reinterpret_cast<Report*>(context)->line("control " + std::to_string(GetDlgCtrlID(control)) + " " + utf8(cls) + " " +
                                             utf8(shown));
    return TRUE;
}

// Windows command-line quoting of one argument, as CommandLineToArgvW reads it back.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        while (i < arg.size() && arg[i] == L'\\') ++i, ++backslashes;
        if (i == arg.size()) {
            out.append(backslashes * 2, L'\\');
            break;
        }
        if (arg[i] == L'"') {
            out.append(backslashes * 2 + 1, L'\\');
        } else {
            out.append(backslashes, L'\\');
        }
        out.push_back(arg[i]);
    }
    return out + L"\"";
}

int usage(const char* why) {
    std::fprintf(stderr, "pilot: %s\nusage: pilot [--report <file>] [--limit <seconds>] [<answer>...] -- <program> [<argument>...]\n"
                 "       answer: ok | cancel | \"colour <r> <g> <b>\" | \"print <copies> all|selection|pages <from> <to>\"\n"
                 "               | \"font <face> <size> [bold] [italic] [underline] [strikeout]\"\n"
                 "               | \"file <text>\" | highlight\n",
                 why);
    return 2;
}

int launch(int argc, wchar_t** argv, int separator) {
    const wchar_t* reportPath = nullptr;
    int limitSeconds = 60;
    std::vector<std::string> answers;
    for (int i = 1; i < separator; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--report" && i + 1 < separator) {
            reportPath = argv[++i];
        } else if (arg == L"--limit" && i + 1 < separator) {
            limitSeconds = static_cast<int>(std::wcstol(argv[++i], nullptr, 10));
            if (limitSeconds <= 0) return usage("the limit must be a positive number of seconds");
        } else if (validAnswer(narrow(argv[i]))) {
            answers.push_back(narrow(argv[i]));
        } else {
            return usage(("unknown answer or option: " + narrow(argv[i])).c_str());
        }
    }
    if (separator + 1 >= argc) return usage("no program after --");

    Report report{stdout};
    if (reportPath && !(report.file = _wfopen(reportPath, L"wb"))) return usage("cannot write the report file");

    std::wstring commandLine;
    for (int i = separator + 1; i < argc; ++i) commandLine += (commandLine.empty() ? L"" : L" ") + quoted(argv[i]);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        if (handle && handle != INVALID_HANDLE_VALUE) SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION program{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &program)) {
        report.line("end: cannot start " + utf8(commandLine) + " (error " + std::to_string(GetLastError()) + ")");
        return 1;
    }
    CloseHandle(program.hThread);

    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    report.line("screen " + std::to_string(screen.right - screen.left) + " " + std::to_string(screen.bottom - screen.top));

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(limitSeconds) * 1000;
    std::set<HWND> seen;
    std::size_t dialogs = 0;
    bool unexpected = false;
    while (WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT) {
        if (GetTickCount64() > deadline) {
            TerminateProcess(program.hProcess, 1);
            WaitForSingleObject(program.hProcess, 5000);
            report.line("end: time limit of " + std::to_string(limitSeconds) + " s reached, program ended");
            return 1;
        }
        forgetClosed(seen);
        Search search{GetCurrentProcessId(), program.dwProcessId, &seen};
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(kPoll);
            continue;
        }
        HWND dialog = search.found;
        seen.insert(dialog);
        Sleep(kLaunchSettle);
        report.line(dialogLine(dialog));
        EnumChildWindows(dialog, reportControl, reinterpret_cast<LPARAM>(&report));
        if (dialogs < answers.size()) {
            report.line("answer " + answers[dialogs]);
            answer(dialog, answers[dialogs]);
        } else {
            report.line("unexpected: cancelled");
            answer(dialog, "cancel");
            unexpected = true;
        }
        ++dialogs;
    }
    CloseHandle(program.hProcess);
    report.line("end: " + std::to_string(dialogs) + " dialogs for " + std::to_string(answers.size()) + " answers");
    return !unexpected && dialogs == answers.size() ? 0 : 1;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return usage("cannot read the command line");
    for (int i = 1; i < argc; ++i)
        if (std::wstring(argv[i]) == L"--") return launch(argc, argv, i);

    std::set<HWND> seen;
    char line[256];
    for (;;) {
        forgetClosed(seen);
        Search search{GetCurrentProcessId(), 0, &seen};
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(100);
            continue;
        }
        HWND dialog = search.found;
        seen.insert(dialog);
        Sleep(kSettle);
        std::printf("%s\n", dialogLine(dialog).c_str());
        std::fflush(stdout);
        if (!std::fgets(line, sizeof line, stdin)) return 0;
        std::string command = line;
        while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) command.pop_back();
        answer(dialog, command);
    }
}

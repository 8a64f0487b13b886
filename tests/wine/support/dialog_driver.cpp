#include "dialog_driver.h"

#include <algorithm>
#include <exception>

namespace cz::testing {
namespace {

constexpr UINT kSendTimeoutMs = 2000;

bool isStandardDialog(HWND hwnd) {
    wchar_t name[16] = {};
    return GetClassNameW(hwnd, name, 16) > 0 && std::wstring_view(name) == L"#32770";
}

struct Collector {
    DWORD processId = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM lParam) {
    auto* c = reinterpret_cast<Collector*>(lParam);
    if (c->processId != 0) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != c->processId) return TRUE;
    }
    if (IsWindowVisible(hwnd) && isStandardDialog(hwnd)) c->found.push_back(hwnd);
    return TRUE;
}

struct ChildSearch {
    const wchar_t* className = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK findClass(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<ChildSearch*>(lParam);
    wchar_t name[64] = {};
    if (GetClassNameW(hwnd, name, 64) > 0 && lstrcmpiW(name, s->className) == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring windowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!hwnd || !SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        return {};
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

ULONGLONG now() { return GetTickCount64(); }

}  // namespace

// --- Dialog -----------------------------------------------------------------------------------------

bool Dialog::exists() const { return IsWindow(hwnd_) != FALSE; }

bool Dialog::visible() const { return IsWindowVisible(hwnd_) != FALSE; }

std::wstring Dialog::caption() const { return windowText(hwnd_); }

RECT Dialog::rect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

HWND Dialog::control(int id) const { return GetDlgItem(hwnd_, id); }

HWND Dialog::findChild(const wchar_t* className) const {
    ChildSearch search;
    search.className = className;
    EnumChildWindows(hwnd_, findClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT Dialog::controlRect(int id) const {
    RECT r{};
    if (HWND target = control(id)) GetWindowRect(target, &r);
    return r;
}

std::wstring Dialog::text(int id) const { return windowText(control(id)); }

bool Dialog::setText(int id, const std::wstring& text) const {
    HWND target = control(id);
    DWORD_PTR result = 0;
    return target &&
           SendMessageTimeoutW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kSendTimeoutMs, &result) &&
           result == TRUE;
}

LRESULT Dialog::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd_, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return 0;
    return static_cast<LRESULT>(result);
}

LRESULT Dialog::sendTo(int controlId, UINT message, WPARAM wParam, LPARAM lParam) const {
    return Dialog(control(controlId)).send(message, wParam, lParam);
}

bool Dialog::press(int id) const {
    return PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id))) != FALSE;
}

bool Dialog::close() const { return PostMessageW(hwnd_, WM_CLOSE, 0, 0) != FALSE; }

bool Dialog::clickAt(POINT screen) const {
    POINT client = screen;
    if (!ScreenToClient(hwnd_, &client)) return false;
    const LPARAM where = MAKELPARAM(client.x, client.y);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, where, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) &&
           SendMessageTimeoutW(hwnd_, WM_LBUTTONUP, 0, where, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = now() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (now() >= deadline) return false;
        Sleep(pollMs);
    }
}

// --- finding dialogs --------------------------------------------------------------------------------

std::vector<HWND> StandardDialogs(DWORD threadId, DWORD processId) {
    Collector c;
    c.processId = processId;
    if (processId != 0)
        EnumWindows(collect, reinterpret_cast<LPARAM>(&c));
    else
        EnumThreadWindows(threadId, collect, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

// --- DialogWatcher ----------------------------------------------------------------------------------

DialogWatcher::DialogWatcher(Action action, WatchOptions options)
    : action_(std::move(action)), options_(std::move(options)) {
    if (options_.threadId == 0 && options_.processId == 0) options_.threadId = GetCurrentThreadId();
    stopEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
    if (!thread_) {
        report_.finished = false;
        report_.actionError = "the watcher thread could not be started";
        finished_ = true;
    }
}

DialogWatcher::~DialogWatcher() {
    finish();
    if (thread_) CloseHandle(thread_);
    if (stopEvent_) CloseHandle(stopEvent_);
}

void DialogWatcher::stop() {
    if (stopEvent_) SetEvent(stopEvent_);
}

const WatchReport& DialogWatcher::finish() {
    if (finished_) return report_;
    finished_ = true;
    stop();
    const DWORD bound = options_.timeoutMs + options_.closeGraceMs + 5000;
    if (WaitForSingleObject(thread_, bound) != WAIT_OBJECT_0) {
        // Only an action that blocks for good gets here; the thread must not outlive this object.
        TerminateThread(thread_, 1);
        report_.finished = false;
    }
    return report_;
}

DWORD WINAPI DialogWatcher::threadMain(void* self) {
    static_cast<DialogWatcher*>(self)->run();
    return 0;
}

HWND DialogWatcher::findDialog(const std::vector<HWND>& handled, bool anyCaption) const {
    for (HWND hwnd : StandardDialogs(options_.threadId, options_.processId)) {
        if (std::find(handled.begin(), handled.end(), hwnd) != handled.end()) continue;
        if (!anyCaption && !options_.caption.empty() && Dialog(hwnd).caption() != options_.caption) continue;
        return hwnd;
    }
    return nullptr;
}

DialogSnapshot DialogWatcher::snapshot(HWND hwnd) const {
    Dialog dialog(hwnd);
    return {hwnd, GetWindowThreadProcessId(hwnd, nullptr), dialog.caption(), dialog.rect()};
}

void DialogWatcher::run() {
    const ULONGLONG deadline = now() + options_.timeoutMs;
    auto stopped = [&] { return WaitForSingleObject(stopEvent_, 0) == WAIT_OBJECT_0; };
    auto pause = [&] { WaitForSingleObject(stopEvent_, options_.pollMs); };
    std::vector<HWND> handled;
    bool noneYet = false;  // timed out before the call showed its dialog

    while (static_cast<int>(handled.size()) < options_.dialogs) {
        HWND hwnd = nullptr;
        while (now() < deadline && !(hwnd = findDialog(handled, false)) && !stopped()) pause();
        if (!hwnd) {
            // Stopped: the call that was to show a dialog has returned, and no dialog is open.
            if (!stopped()) report_.timedOut = noneYet = true;
            break;
        }
        handled.push_back(hwnd);
        Dialog dialog(hwnd);
        report_.dialogs.push_back(snapshot(hwnd));
        try {
            if (action_) action_(dialog);
        } catch (const std::exception& e) {
            report_.actionError = e.what();
        } catch (...) {
            report_.actionError = "an exception that is not a std::exception";
        }
        while (now() < deadline && dialog.exists() && dialog.visible()) Sleep(options_.pollMs);
        if (dialog.exists() && dialog.visible()) {
            report_.timedOut = true;
            break;
        }
    }
    // On guard until the call under test returns: whatever else shows up is closed at once.
    while (!report_.timedOut && !stopped() && now() < deadline) {
        if (HWND extra = findDialog(handled, true)) {
            handled.push_back(extra);
            report_.unexpected.push_back(snapshot(extra));
            closeLeftovers(options_.closeGraceMs);
            if (report_.leftOpen) return;
            continue;
        }
        pause();
    }
    // A slow call may still show its dialog after the watch timed out: wait for it so it is closed too.
    if (noneYet) {
        const ULONGLONG until = now() + options_.closeGraceMs;
        while (!stopped() && now() < until && !findDialog(handled, true)) pause();
    }
    closeLeftovers(options_.closeGraceMs);
}

void DialogWatcher::closeLeftovers(DWORD graceMs) {
    // Each leftover dialog gets, half a second apart: Cancel, WM_CLOSE, OK, Abort; and again.
    struct Attempt {
        HWND hwnd;
        ULONGLONG next;
        int step;
    };
    std::vector<Attempt> attempts;
    const ULONGLONG end = now() + graceMs;
    for (;;) {
        std::vector<HWND> open = StandardDialogs(options_.threadId, options_.processId);
        if (open.empty()) return;
        if (now() >= end) {
            report_.leftOpen = true;
            return;
        }
        for (HWND hwnd : open) {
            auto it = std::find_if(attempts.begin(), attempts.end(), [&](const Attempt& a) { return a.hwnd == hwnd; });
            if (it == attempts.end()) {
                attempts.push_back({hwnd, 0, 0});
                ++report_.closedByWatcher;
                it = attempts.end() - 1;
            }
            if (now() < it->next) continue;
            Dialog d(hwnd);
            switch (it->step++ % 4) {
                case 0: d.press(IDCANCEL); break;
                case 1: d.close(); break;
                case 2: d.press(IDOK); break;
                default: d.press(IDABORT); break;
            }
            it->next = now() + 500;
        }
        Sleep(options_.pollMs);
    }
}

WatchReport WithDialog(const std::function<void()>& show, DialogWatcher::Action action, WatchOptions options) {
    DialogWatcher watcher(std::move(action), std::move(options));
    try {
        show();
    } catch (...) {
        watcher.stop();
        watcher.finish();
        throw;
    }
    watcher.stop();
    return watcher.finish();
}

}  // namespace cz::testing

// Drives a real modal dialog from a test. The dialog runs on the thread that opened it (inside Show);
// a watcher thread of the test waits, within a time limit, for the standard dialog window ("#32770") of
// that thread or of a whole process, reports its caption and rectangle, lets the test act on it (text
// into controls, button commands) and, whatever the test did, closes every dialog still open when the
// time is up, so a failing test never leaves a modal loop running.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace cz::testing {

// One dialog window as the watcher sees it: every message is sent with a time limit, so a dialog whose
// thread stopped pumping cannot block the watcher.
class Dialog {
public:
    explicit Dialog(HWND hwnd) : hwnd_(hwnd) {}

    HWND hwnd() const { return hwnd_; }
    bool exists() const;
    bool visible() const;
    std::wstring caption() const;
    RECT rect() const;

    HWND control(int id) const;
    // The control's window rectangle in screen coordinates; all zero when there is no such control.
    RECT controlRect(int id) const;
    // First descendant window of the class (for example L"Edit", L"SysTreeView32"), or null.
    HWND findChild(const wchar_t* className) const;
    std::wstring text(int id) const;
    // WM_SETTEXT to the control; false when the control does not exist or did not take the text.
    bool setText(int id, const std::wstring& text) const;
    // Sends a message to the dialog (or to a control of it) and returns its result; 0 when it timed out.
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT sendTo(int controlId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // A button press: WM_COMMAND (BN_CLICKED) posted to the dialog, so a handler that opens another
    // modal window does not hold up the watcher.
    bool press(int id) const;
    bool ok() const { return press(IDOK); }
    bool cancel() const { return press(IDCANCEL); }
    bool close() const;  // WM_CLOSE

    // A left click at a point of the screen, as the dialog itself receives it: WM_LBUTTONDOWN then
    // WM_LBUTTONUP sent to the dialog window (not to a control) in its client coordinates, for the parts
    // that a dialog draws and hit-tests itself. Both are sent, so the click has been handled on return;
    // false when a message was not answered in time.
    bool clickAt(POINT screen) const;

private:
    HWND hwnd_;
};

// What the watcher saw of one dialog when it became visible.
struct DialogSnapshot {
    HWND hwnd = nullptr;
    DWORD threadId = 0;
    std::wstring caption;
    RECT rect{};
};

struct WatchOptions {
    // Whose dialogs to watch: a thread (0: the thread that creates the watcher) ...
    DWORD threadId = 0;
    // ... or, when not 0, every thread of that process.
    DWORD processId = 0;
    // Only a dialog with exactly this caption counts (empty: any caption).
    std::wstring caption;
    // How many dialogs to act on, one after the other (each must close before the next is looked for).
    int dialogs = 1;
    // From the start of the watch until the last dialog must have closed.
    DWORD timeoutMs = 10000;
    // After the time is up: how long the watcher keeps cancelling and closing leftover dialogs.
    DWORD closeGraceMs = 4000;
    // How often the watcher looks.
    DWORD pollMs = 10;
};

struct WatchReport {
    std::vector<DialogSnapshot> dialogs;     // the expected dialogs, in the order they appeared
    std::vector<DialogSnapshot> unexpected;  // dialogs beyond those, which the watcher closed at once
    bool timedOut = false;    // the time ran out before the expected dialogs had come and gone
    int closedByWatcher = 0;  // dialogs the watcher had to cancel or close itself
    bool leftOpen = false;    // a dialog was still open when even the grace period was over
    std::string actionError;  // an exception that escaped the action, if any
    bool finished = true;     // false when the watcher thread itself did not end in time

    int seen() const { return static_cast<int>(dialogs.size()); }
    // The expected dialogs came and were closed by the action, within the time, and nothing else came.
    bool clean() const {
        return !timedOut && closedByWatcher == 0 && unexpected.empty() && !leftOpen && actionError.empty() && finished;
    }
};

// Starts watching at construction; the action runs on the watcher thread, once per dialog, while the
// dialog is visible. After the expected dialogs, the watcher stays on guard until it is finished: a
// further dialog (a message box the call under test was not expected to show) is closed at once and
// reported, so it cannot block the test either. A watcher that is never finished explicitly finishes
// when destroyed.
class DialogWatcher {
public:
    using Action = std::function<void(const Dialog&)>;

    explicit DialogWatcher(Action action, WatchOptions options = {});
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Call it after the call that showed the dialogs has returned: tells the watcher so (see stop),
    // waits for its thread (bounded by the timeout, the grace period and a margin) and returns what it
    // saw.
    const WatchReport& finish();

    // Tells the watcher that the call under test has returned: it looks for no further dialog (one that
    // did not come is not a timeout) and ends; any dialog still open is closed as on a timeout.
    void stop();

private:
    static DWORD WINAPI threadMain(void* self);
    void run();
    // A visible dialog not handled yet; with the caption of the options unless anyCaption.
    HWND findDialog(const std::vector<HWND>& handled, bool anyCaption) const;
    DialogSnapshot snapshot(HWND hwnd) const;
    void closeLeftovers(DWORD graceMs);

    Action action_;
    WatchOptions options_;
    WatchReport report_;
    HANDLE thread_ = nullptr;
    HANDLE stopEvent_ = nullptr;
    bool finished_ = false;
};

// Runs `show` on this thread while a watcher acts on the dialogs it opens; returns what the watcher saw.
// A `show` that returns without having shown anything ends the watch at once.
WatchReport WithDialog(const std::function<void()>& show, DialogWatcher::Action action, WatchOptions options = {});

// Polls the condition until it holds or the time is up; returns its last value. For what a dialog does a
// moment after a message (a selection that another message follows, a status line filled in).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000, DWORD pollMs = 10);

// The visible "#32770" windows of a thread, or of a process when processId is not 0.
std::vector<HWND> StandardDialogs(DWORD threadId, DWORD processId = 0);

}  // namespace cz::testing

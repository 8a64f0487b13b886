// The real-dialog driver itself: it finds the dialog of the test's thread, reads its caption and
// rectangle, types into it, presses its buttons, and closes what nobody acts on when the time is up.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <stdexcept>
#include <vector>

#include "dialog_driver.h"

namespace cz::testing {
namespace {

constexpr int kEditId = 101;
constexpr int kLeft = 100, kTop = 80, kWidth = 300, kHeight = 200;

// A modal dialog made from an in-memory template: an edit control and an OK button, moved to a known
// place when it starts. With `stubborn`, Cancel and WM_CLOSE are ignored and only OK ends it.
struct TemplateDialog {
    bool stubborn = false;
    std::wstring textAtOk;
    bool gotOk = false;

    INT_PTR show(const wchar_t* caption) {
        std::vector<WORD> t;
        auto align = [&](std::size_t bytes) {
            while ((t.size() * sizeof(WORD)) % bytes) t.push_back(0);
        };
        auto dword = [&](DWORD v) {
            t.push_back(LOWORD(v));
            t.push_back(HIWORD(v));
        };
        auto text = [&](const wchar_t* s) {
            for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
            t.push_back(0);
        };
        dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
        dword(0);
        t.push_back(2);  // items
        t.push_back(10), t.push_back(10), t.push_back(150), t.push_back(80);
        t.push_back(0), t.push_back(0);  // no menu, standard class
        text(caption);
        auto item = [&](DWORD style, WORD id, WORD classAtom, const wchar_t* title, short y) {
            align(sizeof(DWORD));
            dword(style | WS_CHILD | WS_VISIBLE);
            dword(0);
            t.push_back(10), t.push_back(static_cast<WORD>(y)), t.push_back(100), t.push_back(14);
            t.push_back(id);
            t.push_back(0xFFFF), t.push_back(classAtom);
            text(title);
            t.push_back(0);
        };
        item(ES_AUTOHSCROLL | WS_BORDER, kEditId, 0x0081, L"", 10);
        item(BS_DEFPUSHBUTTON, IDOK, 0x0080, L"OK", 40);
        return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                       nullptr, proc, reinterpret_cast<LPARAM>(this));
    }

    static INT_PTR CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TemplateDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        switch (msg) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
                SetWindowPos(hwnd, nullptr, kLeft, kTop, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    wchar_t buffer[256] = {};
                    GetDlgItemTextW(hwnd, kEditId, buffer, 256);
                    self->textAtOk = buffer;
                    self->gotOk = true;
                    EndDialog(hwnd, IDOK);
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    if (!self->stubborn) EndDialog(hwnd, IDCANCEL);
                    return TRUE;
                }
                return FALSE;
            case WM_CLOSE:
                if (!self->stubborn) EndDialog(hwnd, IDCANCEL);
                return TRUE;
            default:
                return FALSE;
        }
    }
};

ULONGLONG since(ULONGLONG start) { return GetTickCount64() - start; }

TEST(DialogDriver, FindsAMessageBoxOfThisThreadReadsItAndPressesOk) {
    int result = 0;
    bool sawText = false;
    WatchReport report = WithDialog([&] { result = MessageBoxW(nullptr, L"Press OK", L"Driver: message", MB_OKCANCEL); },
                                    [&](const Dialog& d) {
                                        sawText = d.findChild(L"Static") != nullptr;
                                        d.ok();
                                    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(report.seen(), 1);
    EXPECT_TRUE(sawText);
    const DialogSnapshot& s = report.dialogs[0];
    EXPECT_EQ(s.caption, L"Driver: message");
    EXPECT_EQ(s.threadId, GetCurrentThreadId());
    // A real rectangle, on the screen.
    EXPECT_GT(s.rect.right - s.rect.left, 50);
    EXPECT_GT(s.rect.bottom - s.rect.top, 30);
    EXPECT_GE(s.rect.left, 0);
    EXPECT_GE(s.rect.top, 0);
    EXPECT_LE(s.rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(s.rect.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST(DialogDriver, TypesIntoAnEditControlAndSeesTheExactRectangle) {
    TemplateDialog dialog;
    std::wstring readBack;
    HWND edit = nullptr, editById = nullptr;
    INT_PTR result = 0;
    WatchReport report = WithDialog([&] { result = dialog.show(L"Driver: template"); },
                                    [&](const Dialog& d) {
                                        EXPECT_TRUE(d.setText(kEditId, L"typed by the watcher"));
                                        readBack = d.text(kEditId);
                                        edit = d.findChild(L"Edit");
                                        editById = d.control(kEditId);
                                        EXPECT_FALSE(d.setText(999, L"no such control"));
                                        d.ok();
                                    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(report.clean()) << report.actionError;
    EXPECT_EQ(readBack, L"typed by the watcher");
    EXPECT_EQ(dialog.textAtOk, L"typed by the watcher");
    EXPECT_NE(edit, nullptr);
    EXPECT_EQ(edit, editById);
    ASSERT_EQ(report.seen(), 1);
    EXPECT_EQ(report.dialogs[0].caption, L"Driver: template");
    const RECT& r = report.dialogs[0].rect;
    EXPECT_EQ(r.left, kLeft);
    EXPECT_EQ(r.top, kTop);
    EXPECT_EQ(r.right, kLeft + kWidth);
    EXPECT_EQ(r.bottom, kTop + kHeight);
}

TEST(DialogDriver, DrivesTheSystemColourDialogThroughItsRedGreenBlueFields) {
    // What the colour dialog tests do: type the components into edit controls 706, 707 and 708 and
    // confirm. Here on the system's own dialog, without the library.
    COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.rgbResult = RGB(1, 2, 3);
    cc.lpCustColors = custom;
    cc.Flags = CC_FULLOPEN | CC_RGBINIT;
    BOOL chosen = FALSE;
    std::wstring red;
    WatchReport report = WithDialog([&] { chosen = ChooseColorW(&cc); },
                                    [&](const Dialog& d) {
                                        red = d.text(706);
                                        EXPECT_TRUE(d.setText(706, L"10"));
                                        EXPECT_TRUE(d.setText(707, L"20"));
                                        EXPECT_TRUE(d.setText(708, L"30"));
                                        d.ok();
                                    });
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(report.seen(), 1);
    EXPECT_EQ(red, L"1") << "the initial colour's red component";
    EXPECT_TRUE(chosen);
    EXPECT_EQ(cc.rgbResult, RGB(10, 20, 30));
}

TEST(DialogDriver, ClosesADialogNobodyActsOnWhenTheTimeIsUp) {
    WatchOptions o;
    o.timeoutMs = 500;
    int result = 0;
    ULONGLONG start = GetTickCount64();
    WatchReport report =
        WithDialog([&] { result = MessageBoxW(nullptr, L"Nobody answers", L"Driver: ignored", MB_OKCANCEL); },
                   [](const Dialog&) {}, o);
    EXPECT_EQ(result, IDCANCEL) << "the watcher cancels first";
    EXPECT_TRUE(report.timedOut);
    EXPECT_EQ(report.closedByWatcher, 1);
    EXPECT_FALSE(report.leftOpen);
    EXPECT_FALSE(report.clean());
    ASSERT_EQ(report.seen(), 1);
    EXPECT_EQ(report.dialogs[0].caption, L"Driver: ignored");
    EXPECT_LT(since(start), 3000u);
}

TEST(DialogDriver, EscalatesPastADialogThatIgnoresCancelAndClose) {
    TemplateDialog dialog;
    dialog.stubborn = true;
    WatchOptions o;
    o.timeoutMs = 300;
    INT_PTR result = 0;
    WatchReport report = WithDialog([&] { result = dialog.show(L"Driver: stubborn"); }, [](const Dialog&) {}, o);
    EXPECT_EQ(result, IDOK) << "only OK ends this dialog";
    EXPECT_TRUE(dialog.gotOk);
    EXPECT_TRUE(report.timedOut);
    EXPECT_EQ(report.closedByWatcher, 1);
    EXPECT_FALSE(report.leftOpen);
}

// A call slower than the watch (a loaded machine, emulation) shows its dialog after the timeout: it is
// closed all the same, not left to block the call.
TEST(DialogDriver, ClosesADialogThatShowsOnlyAfterTheWatchTimedOut) {
    TemplateDialog dialog;
    WatchOptions o;
    o.timeoutMs = 200;
    INT_PTR result = 0;
    WatchReport report = WithDialog([&] {
        Sleep(700);
        result = dialog.show(L"Driver: late");
    }, [](const Dialog&) {}, o);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(report.timedOut);
    EXPECT_EQ(report.closedByWatcher, 1);
    EXPECT_FALSE(report.leftOpen);
}

TEST(DialogDriver, AnActionThatThrowsIsReportedAndItsDialogStillCloses) {
    WatchOptions o;
    o.timeoutMs = 500;
    int result = 0;
    WatchReport report = WithDialog(
        [&] { result = MessageBoxW(nullptr, L"x", L"Driver: throwing action", MB_OKCANCEL); },
        [](const Dialog&) { throw std::runtime_error("action failed"); }, o);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(report.actionError, "action failed");
    EXPECT_EQ(report.closedByWatcher, 1);
}

TEST(DialogDriver, HandlesDialogsOneAfterTheOtherInOrder) {
    WatchOptions o;
    o.dialogs = 2;
    std::vector<int> results;
    WatchReport report = WithDialog(
        [&] {
            results.push_back(MessageBoxW(nullptr, L"1", L"Driver: first", MB_OKCANCEL));
            results.push_back(MessageBoxW(nullptr, L"2", L"Driver: second", MB_OKCANCEL));
        },
        [](const Dialog& d) { d.caption() == L"Driver: first" ? d.ok() : d.cancel(); }, o);
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(report.seen(), 2);
    EXPECT_EQ(report.dialogs[0].caption, L"Driver: first");
    EXPECT_EQ(report.dialogs[1].caption, L"Driver: second");
    EXPECT_NE(report.dialogs[0].hwnd, report.dialogs[1].hwnd);
}

TEST(DialogDriver, ClosesAndReportsADialogBeyondTheExpectedOnes) {
    // One dialog expected; the call shows a second one (as a dialog function does with an error message
    // box): the watcher closes it at once instead of letting the test hang.
    std::vector<int> results;
    ULONGLONG start = GetTickCount64();
    WatchReport report = WithDialog(
        [&] {
            results.push_back(MessageBoxW(nullptr, L"expected", L"Driver: expected", MB_OKCANCEL));
            results.push_back(MessageBoxW(nullptr, L"surprise", L"Driver: unexpected", MB_OKCANCEL));
        },
        [](const Dialog& d) { d.ok(); });
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_LT(since(start), 5000u);
    EXPECT_FALSE(report.timedOut);
    EXPECT_FALSE(report.clean());
    ASSERT_EQ(report.seen(), 1);
    EXPECT_EQ(report.dialogs[0].caption, L"Driver: expected");
    ASSERT_EQ(report.unexpected.size(), 1u);
    EXPECT_EQ(report.unexpected[0].caption, L"Driver: unexpected");
    EXPECT_EQ(report.closedByWatcher, 1);
}

TEST(DialogDriver, WatchesAWholeProcessAndFiltersByCaption) {
    // The dialog runs on a second thread; the watcher knows only the process and the caption.
    struct Shown {
        int result = 0;
        static DWORD WINAPI run(void* p) {
            static_cast<Shown*>(p)->result = MessageBoxW(nullptr, L"elsewhere", L"Driver: other thread", MB_OKCANCEL);
            return 0;
        }
    } shown;
    WatchOptions o;
    o.processId = GetCurrentProcessId();
    o.caption = L"Driver: other thread";
    DialogWatcher watcher([](const Dialog& d) { d.ok(); }, o);
    HANDLE thread = CreateThread(nullptr, 0, Shown::run, &shown, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 15000), WAIT_OBJECT_0);
    CloseHandle(thread);
    const WatchReport& report = watcher.finish();
    EXPECT_EQ(shown.result, IDOK);
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(report.seen(), 1);
    EXPECT_NE(report.dialogs[0].threadId, GetCurrentThreadId());
}

TEST(DialogDriver, ACallThatShowsNothingEndsTheWatchAtOnce) {
    WatchOptions o;
    o.timeoutMs = 10000;
    bool acted = false;
    ULONGLONG start = GetTickCount64();
    WatchReport report = WithDialog([] {}, [&](const Dialog&) { acted = true; }, o);
    EXPECT_EQ(report.seen(), 0);
    EXPECT_FALSE(acted);
    EXPECT_FALSE(report.timedOut);
    EXPECT_LT(since(start), 2000u);
}

TEST(DialogDriver, ReportsATimeoutWhenNoDialogComes) {
    WatchOptions o;
    o.timeoutMs = 200;
    DialogWatcher watcher([](const Dialog&) {}, o);
    Sleep(500);  // a call that blocks past the time without showing anything
    const WatchReport& report = watcher.finish();
    EXPECT_TRUE(report.timedOut);
    EXPECT_EQ(report.seen(), 0);
    EXPECT_EQ(report.closedByWatcher, 0);
}

}  // namespace
}  // namespace cz::testing

// The real platform's window operations that the preview pane uses, on windows of the test's own: the
// parent chain, a dialog's control by identifier, client areas, the 44-byte placement record both ways,
// reparenting, showing and hiding, and the notification header a WM_NOTIFY message points to.
// The portable headers come first: they use names that <windows.h> defines as macros.
#include "automation/failure.h"
#include "platform/win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

namespace cz::testing {
namespace {

Platform& real() { return win32::platform(); }
WindowHandle handle(HWND hwnd) { return HandleToLong(hwnd); }

// A top-level window and, inside it, a child with a control identifier; both destroyed at the end.
struct Windows {
    Windows() {
        top = CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 100, 80, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW, 10, 10, 200, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 5, 6, 150, 120, top,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(1120)), GetModuleHandleW(nullptr), nullptr);
    }
    ~Windows() {
        DestroyWindow(child);
        DestroyWindow(other);
        DestroyWindow(top);
    }
    HWND top = nullptr, other = nullptr, child = nullptr;
};

TEST(RealWindowOps, ParentsControlsAndClientAreas) {
    Windows w;
    ASSERT_TRUE(w.top && w.child && w.other);
    EXPECT_EQ(real().GetParent(handle(w.child)), handle(w.top));
    EXPECT_EQ(real().GetParent(handle(w.top)), 0);
    EXPECT_EQ(real().GetDlgItem(handle(w.top), 1120), handle(w.child));
    EXPECT_EQ(real().GetDlgItem(handle(w.top), 1121), 0);
    Rect client;
    ASSERT_TRUE(real().GetClientRect(handle(w.child), client));
    EXPECT_EQ(client, (Rect{0, 0, 150, 120}));
    EXPECT_FALSE(real().GetClientRect(0, client));
}

TEST(RealWindowOps, ReparentingShowingAndHiding) {
    Windows w;
    EXPECT_EQ(real().SetParent(handle(w.child), handle(w.other)), handle(w.top)) << "answers the former parent";
    EXPECT_EQ(GetParent(w.child), w.other);
    EXPECT_FALSE(real().ShowWindow(handle(w.child), kShowNormal)) << "it was hidden";
    EXPECT_NE(GetWindowLongW(w.child, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_TRUE(real().ShowWindow(handle(w.child), kShowHide)) << "it was shown";
    EXPECT_EQ(GetWindowLongW(w.child, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(real().SetParent(handle(w.child), handle(w.top)), handle(w.other));
    EXPECT_EQ(GetParent(w.child), w.top);
}

TEST(RealWindowOps, PlacementRecordsCrossBothWays) {
    Windows w;
    WindowPlacementRecord wp;
    wp.length = kWindowPlacementSize;
    ASSERT_TRUE(real().GetWindowPlacement(handle(w.top), wp));
    EXPECT_EQ(wp.length, 44u);
    EXPECT_EQ(wp.rcNormalPosition, (Rect{100, 80, 500, 380}));
    wp.rcNormalPosition.bottom += 120;
    ASSERT_TRUE(real().SetWindowPlacement(handle(w.top), wp));
    RECT r{};
    GetWindowRect(w.top, &r);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.bottom - r.top, 420) << "taller by what was added to the normal position";
    EXPECT_EQ(r.right - r.left, 400);
}

TEST(RealWindowOps, NotificationHeadersKeepTheirFields) {
    Windows w;
    NMHDR header{};
    header.hwndFrom = w.child;
    header.idFrom = 1120;
    header.code = static_cast<UINT>(-602);
    NotifyHeader read = real().ReadNotifyHeader(reinterpret_cast<std::intptr_t>(&header));
    EXPECT_EQ(read.hwndFrom, handle(w.child));
    EXPECT_EQ(read.idFrom, 1120u);
    EXPECT_EQ(read.code, -602) << "the code is signed, as the notification numbers are";
    EXPECT_THROW(real().ReadNotifyHeader(0), Failure);
}

}  // namespace
}  // namespace cz::testing

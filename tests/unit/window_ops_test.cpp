// The simulated window operations the preview pane relies on: the simulation must answer like the
// system, or the hook tests built on it prove nothing.
#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"

namespace cz {
namespace {

constexpr WindowHandle kDialog = 0x40001, kList = 0x40002, kForm = 0x40003, kPicture = 0x40004;

struct WindowOps : ::testing::Test {
    WindowOps() {
        sim.addWindow(kDialog, {100, 50, 600, 450});
        sim.addControl(kList, kDialog, 1120, {10, 10, 410, 190});
        sim.addWindow(kForm, {0, 0, 300, 300});
        sim.addWindow(kPicture, {20, 20, 220, 150}, kForm);
    }
    sim::SimPlatform sim;
};

TEST_F(WindowOps, ParentsAndControls) {
    EXPECT_EQ(sim.GetParent(kList), kDialog);
    EXPECT_EQ(sim.GetParent(kDialog), 0);
    EXPECT_EQ(sim.GetParent(0x7777), 0) << "not a window";
    EXPECT_EQ(sim.GetDlgItem(kDialog, 1120), kList);
    EXPECT_EQ(sim.GetDlgItem(kDialog, 1121), 0);
    EXPECT_EQ(sim.GetDlgItem(kForm, 1120), 0) << "only the dialog's own children";

    EXPECT_EQ(sim.SetParent(kPicture, kDialog), kForm) << "answers the previous parent";
    EXPECT_EQ(sim.GetParent(kPicture), kDialog);
    EXPECT_EQ(sim.SetParent(kPicture, 0x7777), 0) << "a parent that is not a window fails";
    EXPECT_EQ(sim.GetParent(kPicture), kDialog) << "and changes nothing";
    EXPECT_EQ(sim.parentChanges.size(), 2u);
}

TEST_F(WindowOps, ClientAreasStartAtTheOrigin) {
    Rect r;
    ASSERT_TRUE(sim.GetClientRect(kList, r));
    EXPECT_EQ(r, (Rect{0, 0, 400, 180}));
    sim.setClientRect(kPicture, {0, 0, 196, 120});
    ASSERT_TRUE(sim.GetClientRect(kPicture, r));
    EXPECT_EQ(r, (Rect{0, 0, 196, 120}));
    EXPECT_FALSE(sim.GetClientRect(0x7777, r));
}

TEST_F(WindowOps, PlacementsNeedTheirLengthAndMoveTheNormalPosition) {
    WindowPlacementRecord wp;
    EXPECT_FALSE(sim.GetWindowPlacement(kDialog, wp)) << "length 0";
    wp.length = kWindowPlacementSize;
    ASSERT_TRUE(sim.GetWindowPlacement(kDialog, wp));
    EXPECT_EQ(wp.rcNormalPosition, (Rect{100, 50, 600, 450}));
    EXPECT_EQ(wp.showCmd, 1u);
    wp.rcNormalPosition.bottom += 120;
    ASSERT_TRUE(sim.SetWindowPlacement(kDialog, wp));
    Rect r;
    ASSERT_TRUE(sim.GetWindowRect(kDialog, r));
    EXPECT_EQ(r, (Rect{100, 50, 600, 570}));
    wp.length = 40;
    EXPECT_FALSE(sim.SetWindowPlacement(kDialog, wp));
    EXPECT_EQ(sim.placementLengths, (std::vector<std::uint32_t>{0, 44, 44, 40}));
}

TEST_F(WindowOps, ShowWindowAnswersThePreviousVisibility) {
    EXPECT_FALSE(sim.ShowWindow(kPicture, kShowNormal));
    EXPECT_TRUE(sim.window(kPicture)->visible);
    EXPECT_TRUE(sim.ShowWindow(kPicture, kShowHide));
    EXPECT_FALSE(sim.window(kPicture)->visible);
    EXPECT_FALSE(sim.ShowWindow(0x7777, kShowNormal));
}

TEST_F(WindowOps, NotificationHeadersAreReadFromTheMessagesAddress) {
    NotifyHeader sent{kDialog, 1120, -602};
    NotifyHeader read = sim.ReadNotifyHeader(sim::SimPlatform::notification(sent));
    EXPECT_EQ(read.hwndFrom, kDialog);
    EXPECT_EQ(read.idFrom, 1120u);
    EXPECT_EQ(read.code, -602);
    EXPECT_THROW(sim.ReadNotifyHeader(0), Failure);
    sim.failNext("ShowWindow", Failure(runtime_error::Overflow, u"injected"));
    EXPECT_THROW(sim.ShowWindow(kPicture, kShowNormal), Failure) << "faults can be injected like everywhere";
}

}  // namespace
}  // namespace cz

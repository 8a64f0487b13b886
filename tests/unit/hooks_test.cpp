// The caption-and-centring hooks and their arithmetic.
#include <gtest/gtest.h>

#include "fakes.h"
#include "frame/centring.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"

namespace cz {
namespace {

constexpr WindowHandle kDialog = 0x40001;

class Hooks : public ::testing::Test {
protected:
    void SetUp() override {
        hookState() = HookState{};
        hookState().platform = &f.sim;
    }
    void TearDown() override { hookState() = HookState{}; }
    // Opens a dialog of the given width on a desktop of the given width and runs the hook's start.
    Rect startDialog(CommonDialogHook hook, std::int32_t desktopWidth, std::int32_t dialogWidth) {
        f.sim.setDesktopRect({0, 0, desktopWidth, 1000});
        f.sim.addWindow(kDialog, {3, 4, 3 + dialogWidth, 4 + 300});
        EXPECT_EQ(hook(kDialog, msg::InitDialog, 0x1234, 0x5678), 0u);
        return f.sim.window(kDialog)->rect;
    }
    test::Fixture f;
};

TEST(Centring, HalvesRoundToEven) {
    EXPECT_EQ(CentredOffset(1920, 801, HalfDifference::Absolute), 560);
    EXPECT_EQ(CentredOffset(1920, 803, HalfDifference::Absolute), 558);
    EXPECT_EQ(CentredOffset(1024, 1100, HalfDifference::Absolute), 38);
    EXPECT_EQ(CentredOffset(1024, 1100, HalfDifference::Signed), -38);
    EXPECT_EQ(CentredOffset(1024, 1101, HalfDifference::Signed), -38) << "-38.5 goes to the even -38";
    EXPECT_EQ(CentredOffset(1024, 1103, HalfDifference::Signed), -40) << "-39.5 goes to the even -40";
    EXPECT_THROW(CentredOffset(-2147483647 - 1, 1, HalfDifference::Signed), Failure);
}

TEST_F(Hooks, ColourAndFontUseTheAbsoluteHalfDifference) {
    hookState().ColourCenterDialog = True;
    EXPECT_EQ(startDialog(&ColourHookProc, 1024, 1100).left, 38);
    hookState().FontCenterDialog = True;
    EXPECT_EQ(startDialog(&FontHookProc, 1920, 803).left, 558);
}

TEST_F(Hooks, TheOldStyleFileHookAlwaysCentresWithTheSignedDifference) {
    Rect r = startDialog(&FileHookProc, 1024, 1100);
    EXPECT_EQ(r.left, -38);
    EXPECT_EQ(r.top, 350);
    EXPECT_EQ(r.right - r.left, 1100) << "the size is kept";
}

TEST_F(Hooks, CentringIsGatedAndTheCaptionIsSetFirst) {
    hookState().FontDialogTitle = u" Fonts ";
    hookState().FontCenterDialog = False;
    Rect r = startDialog(&FontHookProc, 1920, 801);
    EXPECT_EQ(r, (Rect{3, 4, 804, 304}));
    EXPECT_EQ(f.sim.window(kDialog)->caption, " Fonts ");
    EXPECT_EQ(f.sim.count("MoveWindow"), 0);
}

TEST_F(Hooks, OtherMessagesPassThroughUntouched) {
    hookState().ColourDialogTitle = u"x";
    hookState().ColourCenterDialog = True;
    f.sim.addWindow(kDialog, {0, 0, 100, 100});
    for (std::uint32_t m : {0u, 0x10u, 0x111u, 0x112u}) {
        EXPECT_EQ(ColourHookProc(kDialog, m, 1, 2), 0u);
        EXPECT_EQ(FileHookProc(kDialog, m, 1, 2), 0u);
    }
    EXPECT_TRUE(f.sim.calls().empty());
}

TEST_F(Hooks, AnOverflowingStepIsSkippedAndTheRestStillRuns) {
    hookState().ColourCenterDialog = True;
    f.sim.setDesktopRect({-2147483647 - 1, 0, 2147483647, 1000});  // the width overflows
    f.sim.addWindow(kDialog, {0, 0, 200, 100});
    ColourHookProc(kDialog, msg::InitDialog, 0, 0);
    EXPECT_EQ(f.sim.window(kDialog)->rect, (Rect{0, 450, 200, 550})) << "x stays 0, y and the move go on";
    EXPECT_TRUE(f.reportCalls().empty()) << "hooks never report";
}

TEST_F(Hooks, FailingPlatformCallsAreSkippedSilently) {
    hookState().ColourDialogTitle = u"T";
    hookState().ColourCenterDialog = True;
    f.sim.failNext("SetWindowTextA", test::someFailure());
    f.sim.failNext("GetWindowRect", test::someFailure());  // the desktop's: stays zeros
    f.sim.addWindow(kDialog, {0, 0, 200, 100});
    EXPECT_EQ(ColourHookProc(kDialog, msg::InitDialog, 0, 0), 0u);
    EXPECT_EQ(f.sim.window(kDialog)->rect, (Rect{100, 50, 300, 150})) << "|0 - 200| / 2 and |0 - 100| / 2";
    EXPECT_EQ(hookState().ColourDialogTitle, u"T");
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(Hooks, WithoutARunningDialogTheyDoNothing) {
    hookState().platform = nullptr;
    hookState().ColourCenterDialog = True;
    EXPECT_EQ(ColourHookProc(kDialog, msg::InitDialog, 0, 0), 0u);
    EXPECT_TRUE(f.sim.calls().empty());
}

}  // namespace
}  // namespace cz

// The colour dialog: the record Show fills, what it keeps between calls, and what it reads back.
#include <gtest/gtest.h>

#include <thread>

#include "colour/colour_dialog.h"
#include "fakes.h"
#include "frame/errors.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"

namespace cz {
namespace {

class ColourDialog : public ::testing::Test {
protected:
    void SetUp() override { hookState() = HookState{}; }
    const ChooseColorRecord& lastRecord() { return f.sim.colourDialogs.back().record; }
    test::Fixture f;
};

TEST_F(ColourDialog, ANewObjectShowsBlackCaptionedColourAndCentred) {
    f.sim.setDesktopRect({0, 0, 1920, 1080});
    f.sim.nextDialogRect = {5, 5, 5 + 801, 5 + 400};
    clsZqPickerColorDialogA colour{f.sim};
    colour.Show();
    const auto& run = f.sim.colourDialogs.at(0);
    EXPECT_EQ(run.record.lStructSize, 36u);
    EXPECT_EQ(run.record.Flags, 0x11u) << "kColourRgbInit | kColourEnableHook";
    EXPECT_EQ(run.record.rgbResult, 0u);
    EXPECT_EQ(run.record.hwndOwner, 0);
    EXPECT_EQ(run.record.hInstance, 0);
    EXPECT_EQ(run.record.lCustData, 0);
    EXPECT_TRUE(run.record.lpTemplateName.empty());
    EXPECT_EQ(run.record.lpfnHook, &ColourHookProc);
    EXPECT_EQ(run.shown.caption, "Colour");
    EXPECT_EQ(run.shown.rect, (Rect{560, 340, 560 + 801, 340 + 400}));
    EXPECT_EQ(colour.Flags(), 0x11) << "the bits Show adds stay in the stored flags";
}

TEST_F(ColourDialog, InitDefaultsGiveNoPreselectionAndThePlatformsCaption) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.Init(-1, u"", 0, eColourFlag_PreventFullOpen);
    colour.Show();
    EXPECT_EQ(lastRecord().Flags, 0x14u);
    EXPECT_EQ(lastRecord().rgbResult, 0xFFFFFFFFu);
    EXPECT_EQ(f.sim.colourDialogs[0].shown.caption, "Color") << "an empty title leaves the platform's caption";
    EXPECT_NE(f.sim.colourDialogs[0].shown.rect, f.sim.nextDialogRect) << "still centred";
    EXPECT_EQ(colour.Flags(), 20);
}

TEST_F(ColourDialog, WithoutTitleOrCentringTheHookIsPlacedButNotEnabled) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.CenterDialog(False);
    colour.Init(0x0000FF, u"", 0, eColourFlag_PreventFullOpen);
    colour.Show();
    EXPECT_EQ(lastRecord().Flags, 5u);
    EXPECT_EQ(lastRecord().rgbResult, 0xFFu);
    EXPECT_EQ(lastRecord().lpfnHook, &ColourHookProc) << "placed whenever the flags are non-zero";
    EXPECT_EQ(f.sim.colourDialogs[0].shown.rect, f.sim.nextDialogRect);
    EXPECT_EQ(f.sim.colourDialogs[0].shown.caption, "Color");
}

TEST_F(ColourDialog, ZeroFlagsPlaceNoHook) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.Init(-1, u"", 0, 0);
    colour.CenterDialog(False);
    colour.Show();
    EXPECT_EQ(lastRecord().Flags, 0u);
    EXPECT_EQ(lastRecord().lpfnHook, nullptr);
}

TEST_F(ColourDialog, RepeatedShowsPassTheSameFlagsAndKeepAddedBits) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.Show();
    colour.InitialColour(-1);  // kColourRgbInit, once set, stays
    colour.Show();
    EXPECT_EQ(f.sim.colourDialogs[0].record.Flags, f.sim.colourDialogs[1].record.Flags);
    EXPECT_EQ(f.sim.colourDialogs[1].record.rgbResult, 0xFFFFFFFFu);
}

TEST_F(ColourDialog, CustomColoursStartWhiteOnceAndAreOfferedAgain) {
    clsZqPickerColorDialogA colour{f.sim};
    f.sim.colourUser = [](ChooseColorRecord& rec, WindowHandle) {
        rec.lpCustColors[3] = 0x123456;  // the user defines a custom colour
        rec.rgbResult = 0x123456;
        return true;
    };
    EXPECT_EQ(colour.Show(), True);
    colour.Show();
    for (auto c : f.sim.colourDialogs[0].customColours) EXPECT_EQ(c, 0xFFFFFF);
    EXPECT_EQ(f.sim.colourDialogs[1].customColours[3], 0x123456);
    EXPECT_EQ(f.sim.colourDialogs[1].customColours[4], 0xFFFFFF);

    clsZqPickerColorDialogA other{f.sim};
    other.Show();
    EXPECT_EQ(f.sim.colourDialogs[2].customColours[3], 0xFFFFFF) << "custom colours are per object";
}

TEST_F(ColourDialog, TheChosenColourComesBackAndACancelResetsIt) {
    clsZqPickerColorDialogA colour{f.sim};
    EXPECT_EQ(colour.SelectedColour(), -1);
    f.sim.colourUser = [](ChooseColorRecord& rec, WindowHandle) {
        rec.rgbResult = 0x00FF8040;
        return true;
    };
    EXPECT_EQ(colour.Show(), True);
    EXPECT_EQ(colour.SelectedColour(), 0x00FF8040);
    EXPECT_EQ(colour.InitialColour(), 0) << "Show never changes InitialColour";
    f.sim.colourUser = nullptr;  // cancel
    EXPECT_EQ(colour.Show(), False);
    EXPECT_EQ(colour.SelectedColour(), -1);
}

TEST_F(ColourDialog, AFailingDialogCallIsReportedAndCountsAsCancel) {
    clsZqPickerColorDialogA colour{f.sim};
    f.sim.failNext("ChooseColorA", test::someFailure());
    EXPECT_EQ(colour.Show(), False);
    EXPECT_EQ(colour.SelectedColour(), -1);
    auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::get<String>(calls[0].args[3].value), u"czPickerColorDialog.Show");
}

TEST_F(ColourDialog, InitWithAnInvalidOwnerKeepsOwnerAndFlagsButNotColourAndTitle) {
    f.sim.addWindow(0x30001);
    clsZqPickerColorDialogA colour{f.sim};
    colour.Init(0x10, u"first", 0x30001, 8);
    try {
        colour.Init(0xFF, u"second", 0x7777, 2);
        FAIL() << "no error";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, eErrColourDialog_InvalidWindowHandle);
        EXPECT_EQ(r.info().source, u"Chooser10.czPickerColorDialog");
    }
    EXPECT_EQ(colour.InitialColour(), 0xFF);
    EXPECT_EQ(colour.DialogTitle(), u"second");
    EXPECT_EQ(colour.HWndOwner(), 0x30001);
    EXPECT_EQ(colour.Flags(), 8);
}

TEST_F(ColourDialog, TitleAndCentringAreSharedOnAThreadAndResetByANewObject) {
    clsZqPickerColorDialogA a{f.sim}, b{f.sim};
    a.DialogTitle(u"Pick");
    a.CenterDialog(False);
    EXPECT_EQ(b.DialogTitle(), u"Pick");
    EXPECT_EQ(b.CenterDialog(), False);
    clsZqPickerColorDialogA c{f.sim};
    EXPECT_EQ(a.DialogTitle(), u"Colour");
    EXPECT_EQ(b.CenterDialog(), True);
    EXPECT_EQ(c.CenterDialog(), True);
}

TEST_F(ColourDialog, TwoThreadsSeeTheirOwnTitles) {
    auto showOnThread = [](String title, std::string& caption) {
        test::Fixture local;
        clsZqPickerColorDialogA colour{local.sim};
        colour.DialogTitle(title);
        for (int i = 0; i < 50; ++i) {
            colour.Show();
            if (local.sim.colourDialogs.back().shown.caption != std::string(title.begin(), title.end())) return;
        }
        caption = local.sim.colourDialogs.back().shown.caption;
    };
    std::string one, two;
    std::thread t1(showOnThread, u"one", std::ref(one));
    std::thread t2(showOnThread, u"two", std::ref(two));
    t1.join();
    t2.join();
    EXPECT_EQ(one, "one");
    EXPECT_EQ(two, "two");
    clsZqPickerColorDialogA here{f.sim};
    here.DialogTitle(u"main");
    std::thread([] { EXPECT_EQ(hookState().ColourDialogTitle, u"") << "zero on a thread's first use"; }).join();
}

TEST_F(ColourDialog, ATitleTheCodePageLacksComesBackSubstituted) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.DialogTitle(u"  Caf\u00e9 \u4e2d  ");
    colour.Show();
    EXPECT_EQ(f.sim.colourDialogs[0].shown.caption, "  Caf\xe9 ?  ") << "shown with its spaces";
    EXPECT_EQ(colour.DialogTitle(), u"  Caf\u00e9 ?  ");
}

TEST_F(ColourDialog, ABlankTitleEnablesTheHookButLeavesTheCaption) {
    clsZqPickerColorDialogA colour{f.sim};
    colour.CenterDialog(False);
    colour.DialogTitle(u"   ");
    colour.Show();
    EXPECT_TRUE(lastRecord().Flags & kColourEnableHook);
    EXPECT_EQ(f.sim.colourDialogs[0].shown.caption, "Color");
    EXPECT_EQ(f.sim.count("SetWindowTextA"), 0);
    EXPECT_EQ(colour.DialogTitle(), u"   ");
}

}  // namespace
}  // namespace cz

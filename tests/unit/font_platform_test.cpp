// The simulated platform's font operations, which the font dialog tests rely on: the dialog gets the
// record and its LOGFONT and calls the hook only when the record enables it, printer device contexts are
// counted until deleted, and the double-byte code page converts both ways.
#include <gtest/gtest.h>

#include "fakes.h"

namespace cz {
namespace {

int hookCalls = 0;
std::uintptr_t CZ_CALLBACK CountingHook(std::intptr_t, std::uint32_t message, std::uintptr_t, std::intptr_t) {
    if (message == msg::InitDialog) ++hookCalls;
    return 0;
}

TEST(SimFontDialog, TheUserSeesTheRecordAndItsLogFontAndTheHookRunsOnlyWhenEnabled) {
    test::Fixture f;
    LogFontRecord logFont{};
    logFont.lfHeight = -13;
    logFont.lfFaceName = {'A', 'r', 'i', 'a', 'l'};
    ChooseFontRecord rec{};
    rec.lpLogFont = &logFont;
    rec.lpfnHook = &CountingHook;
    f.sim.fontUser = [](ChooseFontRecord& r, LogFontRecord& lf, WindowHandle) {
        lf.lfWeight = 700;
        r.iPointSize = 120;
        return true;
    };
    hookCalls = 0;
    rec.Flags = 0x41;
    EXPECT_TRUE(f.sim.ChooseFontA(rec));
    EXPECT_EQ(hookCalls, 0);
    rec.Flags = 0x49;
    EXPECT_TRUE(f.sim.ChooseFontA(rec));
    EXPECT_EQ(hookCalls, 1);
    ASSERT_EQ(f.sim.fontDialogs.size(), 2u);
    EXPECT_FALSE(f.sim.fontDialogs[0].hooked);
    EXPECT_TRUE(f.sim.fontDialogs[1].hooked);
    EXPECT_EQ(f.sim.fontDialogs[0].logFont.lfHeight, -13);
    EXPECT_EQ(f.sim.fontDialogs[0].logFont.lfWeight, 0) << "as the dialog received it";
    EXPECT_EQ(logFont.lfWeight, 700) << "the user's choice lands in the caller's LOGFONT";
    EXPECT_EQ(rec.iPointSize, 120);
}

TEST(SimPrinterContexts, EachContextMadeIsLiveUntilDeletedOnce) {
    test::Fixture f;
    std::int32_t first = f.sim.CreatePrinterDC();
    std::int32_t second = f.sim.CreatePrinterDC();
    EXPECT_NE(first, second);
    EXPECT_EQ(f.sim.liveDeviceContexts(), 2u);
    EXPECT_TRUE(f.sim.DeleteDC(first));
    EXPECT_FALSE(f.sim.DeleteDC(first)) << "a context is deleted once";
    EXPECT_EQ(f.sim.deviceContextDeletes[first], 2);
    EXPECT_EQ(f.sim.liveDeviceContexts(), 1u);
    f.sim.hasPrinter = false;
    EXPECT_THROW(f.sim.CreatePrinterDC(), Failure);
}

TEST(SimCodePages, TheDoubleByteCodePageTakesTwoBytesOutsideAsciiAndReadsThemBack) {
    test::Fixture f;
    EXPECT_EQ(f.sim.ToAnsi(u"Caf\u00e9 \u4e2d"), "Caf\xe9 ?");
    f.sim.doubleByteCodePage = true;
    const std::string ansi = f.sim.ToAnsi(u"A\u00e9\u4e2d");
    EXPECT_EQ(ansi, std::string("A\x80\xe9\xce\x2d", 5));
    EXPECT_EQ(f.sim.FromAnsi(ansi), u"A\u00e9\u4e2d");
    EXPECT_EQ(f.sim.FromAnsi(std::string("B\xce", 2)), u"B?") << "a lead byte without its trail";
    EXPECT_EQ(f.sim.ToAnsi(u"\uff21\u0100"), "??");
}

}  // namespace
}  // namespace cz

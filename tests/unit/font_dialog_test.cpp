// The font dialog: the flags Show adjusts and passes, the LOGFONT it fills from the client's font object,
// the face-name field, the read-back into that same object with its types and order, the printer's device
// context it makes and deletes, its own failure form, and the object's properties and Init.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fake_font.h"
#include "fakes.h"
#include "font/font_dialog.h"
#include "font/font_values.h"
#include "frame/errors.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"

namespace cz {
namespace {

using test::FakeFont;

constexpr std::uint32_t kScreen = 0x1, kPrinter = 0x2, kHook = 0x8, kTemplate = 0x10, kInitToLogFont = 0x40,
                        kEffects = 0x100, kApply = 0x200, kLimitSize = 0x2000;

class FontDialog : public ::testing::Test {
protected:
    void SetUp() override {
        hookState() = HookState{};
        f.sim.stdFontFactory = [this] {
            made = std::make_shared<FakeFont>();
            return made;
        };
        f.sim.defaultDialogCaption = "Font";
    }
    void TearDown() override { hookState() = HookState{}; }

    const sim::FontDialogRun& lastRun() { return f.sim.fontDialogs.back(); }
    const ChooseFontRecord& lastRecord() { return lastRun().record; }
    const LogFontRecord& lastLogFont() { return lastRun().logFont; }
    std::string faceField() { return std::string(lastLogFont().lfFaceName.data(), 32); }

    // A font object of the client's, held by the dialog object.
    std::shared_ptr<FakeFont> clientFont(clsZqPickerFontDialogA& dialog) {
        auto font = std::make_shared<FakeFont>();
        dialog.Font(font);
        return font;
    }
    std::vector<String> reportedProcedures() const {
        std::vector<String> out;
        for (const auto& c : f.reportCalls()) out.push_back(std::get<String>(c.args[3].value));
        return out;
    }

    test::Fixture f;
    std::shared_ptr<FakeFont> made;
};

// ---- flags ---------------------------------------------------------------------------------------------

TEST_F(FontDialog, ANewObjectMakesAndKeepsAStandardFontAndPasses73Centred) {
    f.sim.setDesktopRect({0, 0, 1920, 1080});
    f.sim.nextDialogRect = {5, 5, 5 + 401, 5 + 300};
    clsZqPickerFontDialogA font{f.sim};
    EXPECT_EQ(font.Show(), False) << "cancelled";
    ASSERT_TRUE(made);
    EXPECT_EQ(font.Font(), made) << "the new font object stays in the Font field";
    const ChooseFontRecord& rec = lastRecord();
    EXPECT_EQ(rec.lStructSize, 60u);
    EXPECT_EQ(rec.Flags, 73u) << "CF_SCREENFONTS | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT";
    EXPECT_EQ(rec.lpfnHook, &FontHookProc);
    EXPECT_EQ(rec.hDC, 0);
    EXPECT_EQ(rec.hwndOwner, 0);
    EXPECT_NE(rec.lpLogFont, nullptr);
    EXPECT_EQ(rec.rgbColors, 0u);
    EXPECT_EQ(rec.lCustData, 0);
    EXPECT_TRUE(rec.lpTemplateName.empty());
    EXPECT_EQ(rec.hInstance, 0);
    EXPECT_TRUE(rec.lpszStyle.empty());
    EXPECT_EQ(rec.nFontType, 0);
    EXPECT_EQ(rec.nSizeMin, 0);
    EXPECT_EQ(rec.nSizeMax, 0);
    EXPECT_TRUE(lastRun().hooked);
    EXPECT_EQ(lastRun().shown.caption, "Font") << "no title set on this thread";
    EXPECT_EQ(lastRun().shown.rect, (Rect{760, 390, 760 + 401, 390 + 300}));
    EXPECT_EQ(font.Flags(), 73);
    EXPECT_TRUE(made->puts().empty()) << "a cancel puts nothing";

    font.Show();
    EXPECT_EQ(f.sim.count("NewStdFont"), 1) << "the held font is used again";
}

TEST_F(FontDialog, PrinterFontsPassThePrintersContextAndNoScreenBitAndDeleteItOnceAfterTheDialog) {
    for (std::int32_t flags : {eFontFlag_PrinterFonts, eFontFlag_Bots}) {
        SCOPED_TRACE(flags);
        clsZqPickerFontDialogA font{f.sim};
        clientFont(font);
        font.Flags(flags);
        std::size_t liveDuringDialog = 0;
        f.sim.fontUser = [&](ChooseFontRecord&, LogFontRecord&, WindowHandle) {
            liveDuringDialog = f.sim.liveDeviceContexts();
            return false;
        };
        font.Show();
        ASSERT_FALSE(f.sim.printerContextsMade.empty());
        const std::int32_t made = f.sim.printerContextsMade.back();
        EXPECT_EQ(lastRecord().hDC, made);
        EXPECT_EQ(lastRecord().Flags, static_cast<std::uint32_t>(flags) | kHook | kInitToLogFont);
        EXPECT_EQ(liveDuringDialog, 1u) << "the context lives while the dialog is open";
        EXPECT_EQ(f.sim.deviceContextDeletes[made], 1) << "deleted exactly once";
        EXPECT_EQ(f.sim.liveDeviceContexts(), 0u);
    }
}

TEST_F(FontDialog, APrinterContextThatCannotBeMadeIsReportedAndTheDialogStillOpens) {
    f.sim.hasPrinter = false;
    f.sim.fontUser = [](ChooseFontRecord&, LogFontRecord&, WindowHandle) { return true; };
    clsZqPickerFontDialogA font{f.sim};
    clientFont(font);
    font.Flags(eFontFlag_PrinterFonts);
    EXPECT_EQ(font.Show(), True) << "the user confirmed";
    EXPECT_EQ(lastRecord().hDC, 0);
    EXPECT_EQ(reportedProcedures(), std::vector<String>{u"czPickerFontDialog.Show"});
    EXPECT_EQ(f.sim.count("DeleteDC"), 0) << "nothing made, nothing deleted";
}

TEST_F(FontDialog, ScreenFontsLeaveHdcZeroAndMakeNoContext) {
    clsZqPickerFontDialogA font{f.sim};
    font.Flags(eFontFlag_ScreenFonts);
    font.Show();
    EXPECT_EQ(lastRecord().hDC, 0);
    EXPECT_EQ(f.sim.count("CreatePrinterDC"), 0);
}

TEST_F(FontDialog, AColourAddsEffectsWhichStayAfterTheColourGoesBackToBlack) {
    clsZqPickerFontDialogA font{f.sim};
    font.Colour(0x0000FF);
    font.Show();
    EXPECT_EQ(lastRecord().Flags, 73u | kEffects);
    EXPECT_EQ(lastRecord().rgbColors, 0xFFu);
    font.Colour(0);
    font.Show();
    EXPECT_EQ(lastRecord().Flags, 73u | kEffects);
    EXPECT_EQ(lastRecord().rgbColors, 0u);
}

TEST_F(FontDialog, MinOrMaxSetLimitSizeAndReachTheRecordWidenedWithTheirSign) {
    clsZqPickerFontDialogA font{f.sim};
    font.Min(8);
    font.Show();
    EXPECT_EQ(lastRecord().Flags, 73u | kLimitSize);
    EXPECT_EQ(lastRecord().nSizeMin, 8);
    EXPECT_EQ(lastRecord().nSizeMax, 0);

    clsZqPickerFontDialogA other{f.sim};
    other.Min(20);
    other.Max(-10);
    other.Show();
    EXPECT_EQ(lastRecord().Flags, 73u | kLimitSize);
    EXPECT_EQ(lastRecord().nSizeMin, 20) << "not compared with Max";
    EXPECT_EQ(lastRecord().nSizeMax, -10);

    clsZqPickerFontDialogA onlyMax{f.sim};
    onlyMax.Max(30);
    onlyMax.Show();
    EXPECT_EQ(lastRecord().Flags, 73u | kLimitSize);
}

TEST_F(FontDialog, TemplateApplyAndTheClientsHookBitAreClearedAndTheHookAddressStaysPlaced) {
    clsZqPickerFontDialogA font{f.sim};
    font.CenterDialog(False);
    font.Flags(eFontFlag_EnableTemplate | eFontFlag_Apply | eFontFlag_EnableHook | eFontFlag_UseStyle |
               eFontFlag_EnableTemplateHandle);
    font.Show();
    EXPECT_EQ(lastRecord().Flags, kScreen | kInitToLogFont | 0x80u | 0x20u) << "use-style and template handle as set";
    EXPECT_EQ(lastRecord().lpfnHook, &FontHookProc) << "placed whenever the flags are not zero";
    EXPECT_TRUE(lastRecord().lpszStyle.empty());
    EXPECT_EQ(lastRecord().hInstance, 0);
    EXPECT_FALSE(lastRun().hooked);
    EXPECT_EQ(lastRun().shown.caption, "Font");
    EXPECT_EQ(lastRun().shown.rect, f.sim.nextDialogRect) << "not centred";
    EXPECT_EQ(font.Flags(), 0xE1) << "the stored flags are the adjusted ones";

    // The hook bit comes back only through a title or the centring.
    font.DialogTitle(u"Pick a font");
    font.Show();
    EXPECT_EQ(lastRecord().Flags & kHook, kHook);
    EXPECT_EQ(lastRun().shown.caption, "Pick a font");
    font.DialogTitle(u"");
    font.Show();
    EXPECT_EQ(lastRecord().Flags & kHook, 0u);
    font.CenterDialog(True);
    font.Show();
    EXPECT_EQ(lastRecord().Flags & kHook, kHook);
    EXPECT_NE(lastRun().shown.rect, f.sim.nextDialogRect);
}

TEST_F(FontDialog, ATitleOfSpacesOnlyEnablesTheHookButKeepsThePlatformsCaption) {
    clsZqPickerFontDialogA font{f.sim};
    font.CenterDialog(False);
    font.DialogTitle(u"   ");
    font.Show();
    EXPECT_EQ(lastRecord().Flags & kHook, kHook);
    EXPECT_TRUE(lastRun().hooked);
    EXPECT_EQ(lastRun().shown.caption, "Font");
    EXPECT_EQ(lastRun().shown.rect, f.sim.nextDialogRect);
}

// ---- the LOGFONT ---------------------------------------------------------------------------------------

TEST_F(FontDialog, TheSizeBecomesPixelsAndTenthsOfAPoint) {
    struct Case {
        std::int64_t scaled;
        std::int32_t height, tenths;
    };
    for (Case c : {Case{82500, -11, 82}, Case{100000, -13, 100}, Case{120000, -16, 120}, Case{83500, -11, 84},
                   Case{81500, -11, 82}, Case{84500, -11, 84}, Case{0, 0, 0}}) {
        SCOPED_TRACE(c.scaled);
        clsZqPickerFontDialogA font{f.sim};
        clientFont(font)->Size = Currency{c.scaled};
        font.Show();
        EXPECT_EQ(lastLogFont().lfHeight, c.height);
        EXPECT_EQ(lastRecord().iPointSize, c.tenths);
    }
    // A screen of 120 dots per inch: 12 twips per pixel.
    f.sim.twipsPerPixelY = 12.0f;
    clsZqPickerFontDialogA font{f.sim};
    clientFont(font)->Size = Currency{120000};
    font.Show();
    EXPECT_EQ(lastLogFont().lfHeight, -20);
}

TEST_F(FontDialog, TheFontsWeightAndStylesFillTheLogFontAndTheRestStaysZero) {
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    client->Weight = 600;
    client->Italic = True;
    client->Strikethrough = True;
    font.Show();
    const LogFontRecord& lf = lastLogFont();
    EXPECT_EQ(lf.lfWeight, 600);
    EXPECT_EQ(lf.lfItalic, 255);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 255);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfOrientation, 0);
    EXPECT_EQ(lf.lfCharSet, 0) << "the character set is not passed";
    EXPECT_EQ(lf.lfOutPrecision, 0);
    EXPECT_EQ(lf.lfClipPrecision, 0);
    EXPECT_EQ(lf.lfQuality, 0);
    EXPECT_EQ(lf.lfPitchAndFamily, 0);

    client->Italic = False;
    client->Underline = True;
    font.Show();
    EXPECT_EQ(lastLogFont().lfItalic, 0) << "each Show reads the font afresh";
    EXPECT_EQ(lastLogFont().lfUnderline, 255);
    EXPECT_EQ(client->gets(), (std::vector<String>{u"Size", u"Weight", u"Italic", u"Underline", u"Strikethrough",
                                                   u"Name", u"Size", u"Size", u"Weight", u"Italic", u"Underline",
                                                   u"Strikethrough", u"Name", u"Size"}))
        << "the order of the reads, Size again for the point size";
}

TEST_F(FontDialog, AFaceNameIsFollowedByNulsToTheEndOfTheField) {
    clsZqPickerFontDialogA font{f.sim};
    clientFont(font)->Name = u"Arial";
    font.Show();
    EXPECT_EQ(faceField(), std::string("Arial") + std::string(27, '\0'));

    clientFont(font)->Name = String(31, u'x');
    font.Show();
    EXPECT_EQ(faceField(), std::string(31, 'x') + '\0') << "31 bytes still fit with their NUL";
}

TEST_F(FontDialog, AFaceNameThatFillsTheFieldIsCutToWholeCharactersBeforeAFinalNul) {
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    client->Name = String(32, u'y');
    font.Show();
    EXPECT_EQ(faceField(), std::string(31, 'y') + '\0');

    // 40 bytes in the double-byte code page: "a" then 15 two-byte characters then 9 more letters.
    f.sim.doubleByteCodePage = true;
    client->Name = u"a" + String(15, u'\u4e2d') + u"bcdefghij";
    font.Show();
    const std::string field = faceField();
    EXPECT_EQ(field, "a" + f.sim.ToAnsi(String(15, u'\u4e2d')) + std::string(1, '\0')) << "31 bytes and a NUL";

    // An odd cut would split the 16th character: it goes whole, leaving two NULs.
    client->Name = u"ab" + String(20, u'\u4e2d');
    font.Show();
    EXPECT_EQ(faceField(), "ab" + f.sim.ToAnsi(String(14, u'\u4e2d')) + std::string(2, '\0'));
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FontDialog, AFontReadThatFailsIsReportedItsFieldStaysZeroAndTheDialogStillOpens) {
    f.sim.fontUser = [](ChooseFontRecord&, LogFontRecord&, WindowHandle) { return true; };
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    client->Weight = 700;
    client->failGets = {u"Weight", u"Name"};
    EXPECT_EQ(font.Show(), True) << "the user confirmed after the failure";
    EXPECT_EQ(lastLogFont().lfWeight, 0);
    EXPECT_EQ(faceField(), std::string(32, '\0'));
    EXPECT_EQ(lastLogFont().lfHeight, -11) << "the other fields are filled";
    EXPECT_EQ(reportedProcedures(), (std::vector<String>{u"czPickerFontDialog.Show", u"czPickerFontDialog.Show"}));
}

TEST_F(FontDialog, ASizeTooLargeForTheRecordIsReportedAsAnOverflow) {
    clsZqPickerFontDialogA font{f.sim};
    clientFont(font)->Size = Currency{9000000000000000000};
    font.Show();
    EXPECT_EQ(lastLogFont().lfHeight, 0);
    EXPECT_EQ(lastRecord().iPointSize, 0);
    const auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 2u) << "the height and the point size";
    for (const auto& c : calls)
        EXPECT_EQ(std::get<std::int32_t>(std::get<Object>(c.args[1].value)->get(u"Number")), runtime_error::Overflow);
}

TEST_F(FontDialog, WithoutAFontObjectEveryReadIsReportedAndTheDialogOpensOnZeros) {
    f.sim.stdFontFactory = nullptr;  // the font class cannot be created
    clsZqPickerFontDialogA font{f.sim};
    EXPECT_EQ(font.Show(), False);
    EXPECT_EQ(font.Font(), nullptr);
    EXPECT_EQ(f.sim.fontDialogs.size(), 1u);
    EXPECT_EQ(lastLogFont().lfHeight, 0);
    EXPECT_EQ(lastRecord().iPointSize, 0);
    EXPECT_EQ(lastRecord().Flags, 73u);
    EXPECT_EQ(reportedProcedures().size(), 8u) << "the creation, six reads and the point size";
}

// ---- the read-back -------------------------------------------------------------------------------------

// A user who picks Georgia, bold italic, 12 points, underlined, in green.
bool PickGeorgia(ChooseFontRecord& rec, LogFontRecord& lf, WindowHandle) {
    lf = LogFontRecord{};
    std::memcpy(lf.lfFaceName.data(), "Georgia", 7);
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    rec.iPointSize = 120;
    rec.nFontType = 0x100 | 0x200 | 0x2000;
    rec.rgbColors = 0x00FF00;
    rec.Flags = 0x141;
    return true;
}

TEST_F(FontDialog, AConfirmedChoiceArrivesInTheClientsFontObjectInOrderAndWithItsTypes) {
    f.sim.fontUser = PickGeorgia;
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    font.Colour(0x0000FF);
    EXPECT_EQ(font.Show(), True);
    EXPECT_EQ(client->puts(), (std::vector<std::string>{"put Bold int32", "put Italic byte", "put Strikethrough byte",
                                                        "put Underline byte", "put Weight int32", "put Size double",
                                                        "put Name string"}));
    auto put = [&](int i) { return client->log[client->log.size() - 7 + i].value; };
    EXPECT_EQ(std::get<std::int32_t>(put(0)), 256);
    EXPECT_EQ(std::get<std::uint8_t>(put(1)), 1);
    EXPECT_EQ(std::get<std::uint8_t>(put(2)), 0);
    EXPECT_EQ(std::get<std::uint8_t>(put(3)), 1);
    EXPECT_EQ(std::get<std::int32_t>(put(4)), 700);
    EXPECT_EQ(std::get<double>(put(5)), 12.0);
    EXPECT_EQ(std::get<String>(put(6)), u"Georgia") << "without the trailing NULs";
    EXPECT_EQ(font.Font(), client) << "the same object";
    EXPECT_EQ(client->Name, u"Georgia");
    EXPECT_EQ(client->Size, Currency{120000});
    EXPECT_EQ(client->Bold, True);
    EXPECT_EQ(client->Italic, True);
    EXPECT_EQ(client->Underline, True);
    EXPECT_EQ(client->Strikethrough, False);
    EXPECT_EQ(font.Colour(), 0x00FF00);
    EXPECT_EQ(font.Flags(), 0x141) << "the flags as the dialog returned them";
}

TEST_F(FontDialog, TheWeightTheDialogReturnsWinsOverTheOneBoldImplies) {
    f.sim.fontUser = [](ChooseFontRecord& rec, LogFontRecord& lf, WindowHandle) {
        lf.lfWeight = 600;
        rec.nFontType = 0x100;
        rec.iPointSize = 85;
        return true;
    };
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    font.Show();
    EXPECT_EQ(client->Weight, 600);
    EXPECT_EQ(client->Size, Currency{85000}) << "85 tenths give 8.5";
    EXPECT_EQ(client->Name, u"MS Sans Serif") << "the face the dialog left in the field";
}

TEST_F(FontDialog, AFailedPutLeavesTheResultFalseAndTheLaterPutsStillRun) {
    f.sim.fontUser = PickGeorgia;
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    client->failPuts = {u"Italic", u"Size"};
    EXPECT_EQ(font.Show(), False) << "a failed read-back makes the result False";
    EXPECT_EQ(client->puts().size(), 7u) << "every put was tried";
    EXPECT_EQ(client->Name, u"Georgia");
    EXPECT_EQ(client->Weight, 700);
    EXPECT_EQ(reportedProcedures(), (std::vector<String>{u"czPickerFontDialog.Show", u"czPickerFontDialog.Show"}))
        << "reported once each";
    EXPECT_EQ(font.Flags(), 0x141);
}

TEST_F(FontDialog, ACancelChangesNothingButTheAdjustedFlags) {
    f.sim.fontUser = [](ChooseFontRecord& rec, LogFontRecord& lf, WindowHandle) {
        PickGeorgia(rec, lf, 0);
        return false;
    };
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    font.Colour(0x123456);
    font.Flags(eFontFlag_EnableTemplate);
    EXPECT_EQ(font.Show(), False);
    EXPECT_TRUE(client->puts().empty());
    EXPECT_EQ(client->Name, u"MS Sans Serif");
    EXPECT_EQ(font.Colour(), 0x123456);
    EXPECT_EQ(font.Flags(), static_cast<std::int32_t>(73u | kEffects));
    EXPECT_TRUE(f.reportCalls().empty()) << "a cancel is no failure";
}

TEST_F(FontDialog, ADialogThatFailsToRunIsReportedAndGivesFalse) {
    f.sim.failNext("ChooseFontA", test::someFailure());
    clsZqPickerFontDialogA font{f.sim};
    auto client = clientFont(font);
    EXPECT_EQ(font.Show(), False);
    EXPECT_TRUE(client->puts().empty());
    EXPECT_EQ(reportedProcedures(), std::vector<String>{u"czPickerFontDialog.Show"});
}

// ---- properties and Init -------------------------------------------------------------------------------

TEST_F(FontDialog, TitleAndCentringAreSharedByTheThreadsFontObjectsAndCreationCentresAgain) {
    clsZqPickerFontDialogA first{f.sim};
    EXPECT_EQ(first.CenterDialog(), True);
    EXPECT_EQ(first.DialogTitle(), u"");
    first.DialogTitle(u"  Shared  ");
    first.CenterDialog(False);
    clsZqPickerFontDialogA second{f.sim};
    EXPECT_EQ(second.DialogTitle(), u"  Shared  ") << "creation leaves the title alone";
    EXPECT_EQ(first.CenterDialog(), True) << "creation centres again";
    EXPECT_EQ(hookState().ColourDialogTitle, u"") << "the colour pair is apart";
}

TEST_F(FontDialog, InitTakesTheFontAndTitleBeforeTheOwnerCheckAndOwnerAndFlagsAfterIt) {
    clsZqPickerFontDialogA font{f.sim};
    font.Flags(eFontFlag_WYSIWYG);
    EXPECT_EQ(font.Flags(), 32768);
    auto client = std::make_shared<FakeFont>();
    try {
        font.Init(client, u"Chosen", 0x7777, 1);
        FAIL() << "no error raised";
    } catch (const Raised& raised) {
        EXPECT_EQ(raised.info().number, eErrFontDialog_InvalidWindowHandle);
        EXPECT_EQ(raised.info().description, u"Invalid window handle");
        EXPECT_EQ(raised.info().source, u"Chooser10.czPickerFontDialog");
    }
    EXPECT_EQ(font.Font(), client);
    EXPECT_EQ(font.DialogTitle(), u"Chosen");
    EXPECT_EQ(font.HWndOwner(), 0);
    EXPECT_EQ(font.Flags(), 32768);

    f.sim.addWindow(0x30001);
    font.Init(nullptr, u"", 0x30001, eFontFlag_PrinterFonts);
    EXPECT_EQ(font.Font(), nullptr) << "an empty reference empties the field";
    EXPECT_EQ(font.HWndOwner(), 0x30001);
    EXPECT_EQ(font.Flags(), 2);
    font.Init(nullptr, u"", -5, 0);
    EXPECT_EQ(font.HWndOwner(), -5) << "negative owners are not tested";
    EXPECT_EQ(font.CenterDialog(), True) << "Init leaves the centring alone";
}

TEST_F(FontDialog, TheOwnerPutRaisesForANonWindowAndKeepsThePreviousOwner) {
    f.sim.addWindow(0x30001);
    clsZqPickerFontDialogA font{f.sim};
    font.HWndOwner(0x30001);
    EXPECT_THROW(font.HWndOwner(0x30002), Raised);
    EXPECT_EQ(font.HWndOwner(), 0x30001);
    font.HWndOwner(0);
    EXPECT_EQ(font.HWndOwner(), 0);
    font.HWndOwner(0x30001);
    font.Show();
    EXPECT_EQ(lastRecord().hwndOwner, 0x30001);
}

// ---- the size arithmetic -----------------------------------------------------------------------------

TEST(FontSizes, RoundingGoesHalfToEvenAndOverflowsOutsideThe32BitRange) {
    EXPECT_EQ(RoundToLong(82.5), 82);
    EXPECT_EQ(RoundToLong(83.5), 84);
    EXPECT_EQ(RoundToLong(-10.5), -10);
    EXPECT_EQ(RoundToLong(-11.5), -12);
    EXPECT_EQ(RoundToLong(-11.0000001), -11);
    EXPECT_EQ(RoundToLong(2147483647.4), 2147483647);
    EXPECT_THROW(RoundToLong(2147483647.5), Failure);
    EXPECT_EQ(RoundToLong(-2147483648.5), -2147483647 - 1);
    EXPECT_THROW(RoundToLong(std::nan("")), Failure);
}

TEST(FontSizes, TenthsAreExactOnCurrencyAndHeightsComeFromTheQuotientFirst) {
    EXPECT_EQ(TenthsOfPoint(Currency{82500}), 82);
    EXPECT_EQ(TenthsOfPoint(Currency{83500}), 84);
    EXPECT_EQ(TenthsOfPoint(Currency{82501}), 83);
    EXPECT_EQ(TenthsOfPoint(Currency{-82500}), -82);
    EXPECT_EQ(TenthsOfPoint(Currency{-83500}), -84);
    EXPECT_EQ(TenthsOfPoint(8.35), 84) << "a double size is rounded as a double";
    EXPECT_EQ(TenthsOfPoint(std::int16_t{9}), 90);
    EXPECT_EQ(HeightInPixels(Currency{82500}, 15.0f), -11);
    EXPECT_EQ(HeightInPixels(Currency{90000}, 15.0f), -12);
    EXPECT_EQ(HeightInPixels(Empty{}, 15.0f), 0);
    EXPECT_THROW(HeightInPixels(Currency{100000}, 0.0f), Failure);
    EXPECT_THROW(HeightInPixels(String(u"10"), 15.0f), Failure) << "text is no size";
}

}  // namespace
}  // namespace cz

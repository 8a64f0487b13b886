// The real platform's font operations: ChooseFontA with its record and LOGFONT both ways, the system's
// standard font object reached late-bound with the types its properties take and give, the screen's
// twips per pixel, and the current printer's device context (the print server's PDF printer) made and
// deleted; without a printer, a failure. And the font dialog's logic on the real platform: the printer
// context it makes lives while the dialog is open and is gone once Show returns.
// The portable headers come first: they use names that <windows.h> defines as macros.
#include "automation/failure.h"
#include "font/font_dialog.h"
#include "platform/win32/win32_platform.h"
#include "forwarding_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "com_client.h"
#include "dialog_driver.h"
#include "print_system.h"

namespace cz::testing {
namespace {

// The font dialog's face, style and size boxes.
constexpr int kFaceBox = 0x470, kStyleBox = 0x471, kSizeBox = 0x472;
constexpr std::uint32_t kScreenFonts = 0x1, kInitToLogFont = 0x40;

Platform& real() { return win32::platform(); }

WatchOptions Quick() {
    WatchOptions o;
    o.timeoutMs = 8000;
    return o;
}

LogFontRecord Face(const char* name, std::int32_t height, std::int32_t weight) {
    LogFontRecord lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName.data(), name, lf.lfFaceName.size() - 1);
    return lf;
}

struct Seen {
    std::wstring face, style, size;
};

TEST(RealFontPlatform, TheDialogOpensOnTheLogFontAndReturnsTheChoiceInRecordAndLogFont) {
    LogFontRecord lf = Face("DejaVu Serif", -16, 700);
    lf.lfItalic = 255;
    ChooseFontRecord rec{};
    rec.lStructSize = 60;
    rec.lpLogFont = &lf;
    rec.Flags = kScreenFonts | kInitToLogFont;
    Seen seen;
    bool confirmed = false;
    WatchReport report = WithDialog([&] { confirmed = real().ChooseFontA(rec); },
                                    [&](const Dialog& d) {
                                        seen = {d.text(kFaceBox), d.text(kStyleBox), d.text(kSizeBox)};
                                        d.ok();
                                    },
                                    Quick());
    EXPECT_TRUE(report.clean()) << report.actionError;
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(seen.face, L"DejaVu Serif");
    EXPECT_EQ(seen.size, L"12");
    EXPECT_NE(seen.style.find(L"Bold"), std::wstring::npos) << Narrow(seen.style);
    EXPECT_STREQ(lf.lfFaceName.data(), "DejaVu Serif");
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_NE(lf.lfItalic, 0);
    EXPECT_EQ(rec.iPointSize, 120);
    EXPECT_NE(rec.nFontType & 0x100, 0) << "BOLD_FONTTYPE";
    EXPECT_EQ(rec.Flags & (kScreenFonts | kInitToLogFont), kScreenFonts | kInitToLogFont);
}

TEST(RealFontPlatform, ACancelReturnsFalse) {
    LogFontRecord lf = Face("DejaVu Sans", -13, 400);
    ChooseFontRecord rec{};
    rec.lStructSize = 60;
    rec.lpLogFont = &lf;
    rec.Flags = kScreenFonts | kInitToLogFont;
    bool confirmed = true;
    WatchReport report = WithDialog([&] { confirmed = real().ChooseFontA(rec); }, [](const Dialog& d) { d.cancel(); },
                                    Quick());
    EXPECT_TRUE(report.clean()) << report.actionError;
    EXPECT_EQ(report.seen(), 1);
    EXPECT_FALSE(confirmed);
}

TEST(RealFontPlatform, TheStandardFontTakesAndGivesItsPropertiesTypes) {
    Object font = real().NewStdFont();
    ASSERT_TRUE(font);
    EXPECT_TRUE(std::holds_alternative<String>(font->get(u"Name")));
    EXPECT_TRUE(std::holds_alternative<Currency>(font->get(u"Size")));
    EXPECT_TRUE(std::holds_alternative<Boolean>(font->get(u"Bold")));
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(font->get(u"Weight")));

    // 9 points are a whole 12 pixels at 96 dots per inch (the font reads back the size it realised).
    font->put(u"Size", 9.0);
    EXPECT_EQ(std::get<Currency>(font->get(u"Size")).scaled, 90000) << "a double becomes the currency 9";
    font->put(u"Bold", std::int32_t{256});
    EXPECT_EQ(std::get<Boolean>(font->get(u"Bold")).value, True);
    font->put(u"Weight", std::int32_t{600});
    EXPECT_EQ(std::get<std::int16_t>(font->get(u"Weight")), 600);
    font->put(u"Italic", std::uint8_t{255});
    EXPECT_EQ(std::get<Boolean>(font->get(u"Italic")).value, True);
    font->put(u"Italic", std::uint8_t{0});
    EXPECT_EQ(std::get<Boolean>(font->get(u"Italic")).value, False);
    font->put(u"Name", String(u"DejaVu Serif"));
    EXPECT_EQ(std::get<String>(font->get(u"Name")), u"DejaVu Serif");

    Object other = real().NewStdFont();
    EXPECT_NE(std::get<String>(other->get(u"Name")), u"DejaVu Serif") << "each font object is a new one";
}

TEST(RealFontPlatform, TwipsPerPixelComeFromTheScreensResolution) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(dotsPerInch, 96) << "the test prefix's screen";
    EXPECT_FLOAT_EQ(real().ScreenTwipsPerPixelY(), 15.0f);
}

TEST(RealFontPlatform, ThePrinterContextIsTheDefaultPrintersAndIsDeleted) {
    ASSERT_EQ(DefaultPrinter(), kPdfPrinter);
    const std::int32_t handle = real().CreatePrinterDC();
    HDC dc = static_cast<HDC>(LongToHandle(handle));
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_TRUE(real().DeleteDC(handle));
    EXPECT_EQ(GetObjectType(dc), 0u) << "gone";
}

// The real platform, noting the device contexts made and deleted through it.
class CountingPlatform : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<std::int32_t> made, deleted;
    std::int32_t CreatePrinterDC() override {
        made.push_back(inner_.CreatePrinterDC());
        return made.back();
    }
    bool DeleteDC(std::int32_t hdc) override {
        deleted.push_back(hdc);
        return inner_.DeleteDC(hdc);
    }
};

TEST(RealFontPlatform, TheDialogsPrinterContextLivesWhileItIsOpenAndIsDeletedOnceAfterwards) {
    CountingPlatform platform{real()};
    clsZqPickerFontDialogA font{platform};
    font.Flags(0x2);  // printer fonts
    DWORD typeDuringDialog = 0;
    Bool shown = True;
    WatchReport report = WithDialog([&] { shown = font.Show(); },
                                    [&](const Dialog& d) {
                                        if (!platform.made.empty())
                                            typeDuringDialog = GetObjectType(LongToHandle(platform.made[0]));
                                        d.cancel();
                                    },
                                    Quick());
    EXPECT_TRUE(report.clean()) << report.actionError;
    EXPECT_EQ(shown, False);
    ASSERT_EQ(platform.made.size(), 1u);
    EXPECT_EQ(typeDuringDialog, static_cast<DWORD>(OBJ_DC));
    EXPECT_EQ(platform.deleted, platform.made) << "deleted once";
    EXPECT_EQ(GetObjectType(LongToHandle(platform.made[0])), 0u) << "gone after Show";
}

TEST(RealFontPlatformWithoutPrinter, ThePrinterContextCannotBeMade) {
    ASSERT_TRUE(Printers().empty()) << "this test needs a prefix without printers";
    EXPECT_THROW(real().CreatePrinterDC(), Failure);
}

}  // namespace
}  // namespace cz::testing

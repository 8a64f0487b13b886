// The font dialog object shown for real through the registered DLL, on the client's own standard font
// object, and answered by the dialog driver: the dialog opens captioned, centred and on the client's
// face, size and style (as its own controls show them); a face, style, size, underline and colour chosen
// through the controls arrive in that same font object, Colour and Flags; the size limits reach the
// dialog; without title and centring the dialog stays as the platform makes it; with printer fonts the
// dialog lists the print server's PDF printer's fonts; a cancel changes nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "chooser_classes.h"
#include "com_client.h"
#include "dialog_driver.h"
#include "shown.h"
#include "print_system.h"

namespace cz::testing {
namespace {

// The font dialog's controls: face, style, size, colour lists; strikeout and underline boxes.
constexpr int kFaceBox = 0x470, kStyleBox = 0x471, kSizeBox = 0x472, kColourBox = 0x473;
constexpr int kUnderline = 0x411;

constexpr LONG kScreenFonts = 0x1, kPrinterFonts = 0x2, kEnableHook = 0x8, kInitToLogFont = 0x40,
               kEffects = 0x100, kLimitSize = 0x2000;

WatchOptions Quick() {
    WatchOptions o;
    o.timeoutMs = 10000;
    return o;
}

std::unique_ptr<Late> Create(const wchar_t* progId) {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(progId, object), S_OK) << Narrow(progId);
    return object ? std::make_unique<Late>(object) : nullptr;
}
std::unique_ptr<Late> NewFontDialog() { return Create(kFontDialog.progId().c_str()); }

// The client's own font object: the system's StdFont, as a script makes it.
std::unique_ptr<Late> NewClientFont(const std::wstring& face, LONG size, bool bold) {
    auto font = Create(L"StdFont");
    if (!font) return nullptr;
    EXPECT_EQ(font->put(L"Name", Var::Str(face)).hr, S_OK);
    EXPECT_EQ(font->put(L"Size", Var::I4(size)).hr, S_OK);
    EXPECT_EQ(font->put(L"Bold", Var::Bool(bold)).hr, S_OK);
    return font;
}

LONG Long(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_I4);
    return r.value.vt() == VT_I4 ? V_I4(&*r.value) : 0x7EADBEEF;
}
std::wstring Text(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    return r.value.str();
}
bool Flag(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_BOOL);
    return r.value.vt() == VT_BOOL && V_BOOL(&*r.value) == VARIANT_TRUE;
}
// A StdFont's Size, a currency, in points.
double Points(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_CY);
    return r.value.vt() == VT_CY ? static_cast<double>(r.value->cyVal.int64) / 10000 : -1;
}

Shown ShowWith(const Late& dialog, DialogWatcher::Action action) {
    Shown s;
    s.report = WithDialog([&] { s.result = dialog.call(L"Show"); }, std::move(action), Quick());
    return s;
}

std::wstring Trimmed(std::wstring text) {
    text.erase(0, text.find_first_not_of(L' '));
    text.erase(text.find_last_not_of(L' ') + 1);
    return text;
}

// What the dialog's own controls show.
struct Offered {
    std::wstring face, style, size;
    bool underline = false;
    std::vector<std::wstring> faces, sizes;
};

std::vector<std::wstring> Entries(const Dialog& d, int box) {
    std::vector<std::wstring> out;
    const LRESULT count = d.sendTo(box, CB_GETCOUNT);
    for (LRESULT i = 0; i < count && i < 512; ++i) {
        wchar_t text[256] = {};
        if (d.sendTo(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i)) < 255)
            d.sendTo(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        out.push_back(Trimmed(text));
    }
    return out;
}

void Look(const Dialog& d, Offered& seen) {
    seen.face = d.text(kFaceBox);
    seen.style = d.text(kStyleBox);
    seen.size = Trimmed(d.text(kSizeBox));
    seen.underline = d.sendTo(kUnderline, BM_GETCHECK) == BST_CHECKED;
    seen.faces = Entries(d, kFaceBox);
    seen.sizes = Entries(d, kSizeBox);
}

// Selects the entry of a list whose text (without padding) is `wanted`, as the user's click does.
bool Choose(const Dialog& d, int box, const std::wstring& wanted) {
    const std::vector<std::wstring> entries = Entries(d, box);
    const auto it = std::find(entries.begin(), entries.end(), wanted);
    if (it == entries.end()) return false;
    d.sendTo(box, CB_SETCURSEL, static_cast<WPARAM>(it - entries.begin()));
    d.send(WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE), reinterpret_cast<LPARAM>(d.control(box)));
    return true;
}

void Cancel(const Dialog& d) { d.cancel(); }

LONG HalfToEven(LONG difference) {
    const LONG magnitude = std::labs(difference);
    LONG half = magnitude / 2;
    if (magnitude % 2 == 1 && half % 2 == 1) ++half;
    return half;
}

::testing::AssertionResult IsCentred(const DialogSnapshot& s) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const LONG x = HalfToEven((desktop.right - desktop.left) - (s.rect.right - s.rect.left));
    const LONG y = HalfToEven((desktop.bottom - desktop.top) - (s.rect.bottom - s.rect.top));
    if (s.rect.left == x && s.rect.top == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "dialog at (" << s.rect.left << ", " << s.rect.top << "); centred would be ("
                                         << x << ", " << y << ")";
}

// The same COM object behind two pointers.
bool SameObject(IDispatch* a, IDispatch* b) {
    ComPtr<IUnknown> ua, ub;
    if (!a || !b) return false;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ua.GetAddressOf()));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ub.GetAddressOf()));
    return ua && ua.Get() == ub.Get();
}

// ---- opening ------------------------------------------------------------------------------------------

TEST(RealFontDialog, OpensCaptionedAndCentredOnTheClientsFontAndACancelChangesNothing) {
    auto dialog = NewFontDialog();
    auto font = NewClientFont(L"DejaVu Serif", 12, true);
    ASSERT_TRUE(dialog && font);
    ASSERT_EQ(dialog->put(L"Font", Var::Dispatch(font->object())).hr, S_OK);
    ASSERT_EQ(dialog->put(L"DialogTitle", Var::Str(L"Pick a font")).hr, S_OK);
    Offered seen;
    Shown s = ShowWith(*dialog, [&](const Dialog& d) {
        Look(d, seen);
        d.setText(kSizeBox, L"20");
        Choose(d, kFaceBox, L"DejaVu Sans");
        d.cancel();
    });
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, L"Pick a font");
    EXPECT_TRUE(IsCentred(s.dialog()));
    EXPECT_EQ(seen.face, L"DejaVu Serif");
    EXPECT_EQ(seen.style, L"Bold");
    EXPECT_EQ(seen.size, L"12");
    EXPECT_FALSE(seen.underline);

    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_EQ(Text(font->get(L"Name")), L"DejaVu Serif");
    EXPECT_EQ(Points(font->get(L"Size")), 12.0);
    EXPECT_TRUE(Flag(font->get(L"Bold")));
    EXPECT_EQ(Long(dialog->get(L"Flags")), kScreenFonts | kEnableHook | kInitToLogFont);
    EXPECT_EQ(Long(dialog->get(L"Colour")), 0);
}

TEST(RealFontDialog, ANewObjectMakesItsOwnFontWhichStaysAfterTheDialog) {
    auto dialog = NewFontDialog();
    ASSERT_TRUE(dialog);
    DispResult before = dialog->get(L"Font");
    ASSERT_EQ(before.hr, S_OK);
    EXPECT_TRUE(before.value.vt() == VT_DISPATCH && V_DISPATCH(&*before.value) == nullptr) << "Nothing at first";
    Offered seen;
    Shown s = ShowWith(*dialog, [&](const Dialog& d) {
        Look(d, seen);
        Choose(d, kSizeBox, L"18");
        d.ok();
    });
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_TRUE(IsCentred(s.dialog()));
    DispResult held = dialog->get(L"Font");
    ASSERT_EQ(held.hr, S_OK);
    ASSERT_EQ(held.value.vt(), VT_DISPATCH);
    ASSERT_NE(V_DISPATCH(&*held.value), nullptr);
    Late font{ComPtr<IDispatch>(V_DISPATCH(&*held.value))};
    EXPECT_EQ(Text(font.get(L"Name")), seen.face) << "the face the dialog opened on, the new font's own";
    EXPECT_EQ(Points(font.get(L"Size")), 18.0);
}

// ---- choosing -----------------------------------------------------------------------------------------

TEST(RealFontDialog, AFaceStyleSizeUnderlineAndColourChosenArriveInTheClientsOwnFont) {
    auto dialog = NewFontDialog();
    auto font = NewClientFont(L"DejaVu Sans", 9, false);
    ASSERT_TRUE(dialog && font);
    ASSERT_EQ(dialog->put(L"Font", Var::Dispatch(font->object())).hr, S_OK);
    ASSERT_EQ(dialog->put(L"Colour", Var::I4(0x0000FF)).hr, S_OK);  // red: the colour list shows
    bool chosen = false;
    LRESULT colourPicked = CB_ERR;
    Shown s = ShowWith(*dialog, [&](const Dialog& d) {
        chosen = Choose(d, kFaceBox, L"DejaVu Serif") && Choose(d, kStyleBox, L"Bold") && Choose(d, kSizeBox, L"18");
        d.sendTo(kUnderline, BM_SETCHECK, BST_CHECKED);
        d.send(WM_COMMAND, MAKEWPARAM(kUnderline, BN_CLICKED), reinterpret_cast<LPARAM>(d.control(kUnderline)));
        // The colour list: the entry after red, whatever its colour, as the user picks it.
        const LRESULT current = d.sendTo(kColourBox, CB_GETCURSEL);
        d.sendTo(kColourBox, CB_SETCURSEL, static_cast<WPARAM>(current + 1));
        d.send(WM_COMMAND, MAKEWPARAM(kColourBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(d.control(kColourBox)));
        colourPicked = d.sendTo(kColourBox, CB_GETITEMDATA, static_cast<WPARAM>(current + 1));
        d.ok();
    });
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_TRUE(chosen) << "a face, style or size was not offered";
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));

    EXPECT_EQ(Text(font->get(L"Name")), L"DejaVu Serif");
    // A StdFont reads back the size it realised on the screen: what a font of this face given 18 points
    // reads.
    auto reference = NewClientFont(L"DejaVu Serif", 18, true);
    ASSERT_TRUE(reference);
    EXPECT_EQ(Points(font->get(L"Size")), Points(reference->get(L"Size")));
    EXPECT_TRUE(Flag(font->get(L"Bold")));
    EXPECT_TRUE(Flag(font->get(L"Underline")));
    EXPECT_FALSE(Flag(font->get(L"Italic")));
    EXPECT_FALSE(Flag(font->get(L"Strikethrough")));
    DispResult weight = font->get(L"Weight");
    ASSERT_EQ(weight.value.vt(), VT_I2);
    EXPECT_GT(V_I2(&*weight.value), 500);

    DispResult held = dialog->get(L"Font");
    ASSERT_EQ(held.value.vt(), VT_DISPATCH);
    EXPECT_TRUE(SameObject(V_DISPATCH(&*held.value), font->object())) << "the client's own font object";
    ASSERT_NE(colourPicked, CB_ERR);
    EXPECT_NE(colourPicked, 0x0000FF);
    EXPECT_EQ(Long(dialog->get(L"Colour")), static_cast<LONG>(colourPicked));
    EXPECT_EQ(Long(dialog->get(L"Flags")), kScreenFonts | kEnableHook | kInitToLogFont | kEffects);
}

TEST(RealFontDialog, TheSizeLimitsReachTheDialogWhichRefusesASizeOutsideThem) {
    auto dialog = NewFontDialog();
    auto font = NewClientFont(L"DejaVu Sans", 12, false);
    ASSERT_TRUE(dialog && font);
    ASSERT_EQ(dialog->put(L"Font", Var::Dispatch(font->object())).hr, S_OK);
    ASSERT_EQ(dialog->put(L"Min", Var::I2(8)).hr, S_OK);
    ASSERT_EQ(dialog->put(L"Max", Var::I2(10)).hr, S_OK);
    Offered seen;
    std::wstring refusal;
    bool stayedOpen = false;
    Shown s = ShowWith(*dialog, [&](const Dialog& d) {
        Look(d, seen);
        // 12 points, the font's size, lies outside: OK brings up the platform's refusal.
        d.ok();
        const DWORD thread = GetWindowThreadProcessId(d.hwnd(), nullptr);
        HWND box = nullptr;
        WaitUntil([&] {
            for (HWND w : StandardDialogs(thread))
                if (w != d.hwnd()) box = w;
            return box != nullptr;
        });
        if (box) {
            Dialog message(box);
            refusal = message.caption();
            wchar_t text[256] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 256);
            refusal += L"|" + std::wstring(text);
            message.ok();
            WaitUntil([&] { return !message.exists(); });
        }
        stayedOpen = d.exists() && d.visible();
        d.cancel();
    });
    EXPECT_FALSE(s.report.timedOut) << s.report.actionError;
    EXPECT_EQ(seen.sizes, (std::vector<std::wstring>{L"8", L"9", L"10"}));
    EXPECT_NE(refusal.find(L"8"), std::wstring::npos) << Narrow(refusal);
    EXPECT_NE(refusal.find(L"10"), std::wstring::npos) << Narrow(refusal);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_EQ(Long(dialog->get(L"Flags")), kScreenFonts | kEnableHook | kInitToLogFont | kLimitSize);
    EXPECT_EQ(Points(font->get(L"Size")), 12.0);
}

// ---- caption and place ----------------------------------------------------------------------------------

TEST(RealFontDialog, WithoutTitleAndCentringTheDialogKeepsThePlatformsCaptionAndPlace) {
    // The platform's own font dialog, without any hook.
    LOGFONTW lf{};
    CHOOSEFONTW plain{};
    plain.lStructSize = sizeof(plain);
    plain.lpLogFont = &lf;
    plain.Flags = CF_SCREENFONTS;
    WatchReport platform = WithDialog([&] { ChooseFontW(&plain); }, Cancel, Quick());
    ASSERT_EQ(platform.seen(), 1);
    ASSERT_FALSE(IsCentred(platform.dialogs[0])) << "the platform itself centres: this test could not tell";

    auto dialog = NewFontDialog();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    ASSERT_EQ(dialog->put(L"DialogTitle", Var::Str(L"")).hr, S_OK);
    ASSERT_EQ(dialog->put(L"Flags", Var::I4(kEnableHook)).hr, S_OK);
    Shown s = ShowWith(*dialog, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, platform.dialogs[0].caption);
    EXPECT_TRUE(EqualRect(&s.dialog().rect, &platform.dialogs[0].rect));
    EXPECT_EQ(Long(dialog->get(L"Flags")), kScreenFonts | kInitToLogFont) << "the client's hook bit is cleared";

    // Spaces only: the hook runs and centres once centring is on again, the caption stays the platform's.
    ASSERT_EQ(dialog->put(L"DialogTitle", Var::Str(L"   ")).hr, S_OK);
    ASSERT_EQ(dialog->put(L"CenterDialog", Var::Bool(true)).hr, S_OK);
    Shown spaced = ShowWith(*dialog, Cancel);
    ASSERT_EQ(spaced.report.seen(), 1);
    EXPECT_EQ(spaced.dialog().caption, platform.dialogs[0].caption);
    EXPECT_TRUE(IsCentred(spaced.dialog()));
}

// ---- printer fonts --------------------------------------------------------------------------------------

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
    return 1;
}

std::vector<std::wstring> FacesOf(HDC dc) {
    std::vector<std::wstring> faces;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

TEST(RealFontDialog, PrinterFontsListThePrintersFonts) {
    ASSERT_EQ(DefaultPrinter(), kPdfPrinter);
    HDC printer = CreateDCW(L"WINSPOOL", kPdfPrinter, nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    const std::vector<std::wstring> printerFaces = FacesOf(printer);
    DeleteDC(printer);
    HDC screen = GetDC(nullptr);
    const std::vector<std::wstring> screenFaces = FacesOf(screen);
    ReleaseDC(nullptr, screen);
    // A face the printer has and the screen lacks tells the two lists apart.
    std::wstring printerOnly;
    for (const auto& face : printerFaces)
        if (std::find(screenFaces.begin(), screenFaces.end(), face) == screenFaces.end()) printerOnly = face;
    ASSERT_FALSE(printerOnly.empty()) << "the printer offers no font of its own";

    auto dialog = NewFontDialog();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->put(L"Flags", Var::I4(kPrinterFonts)).hr, S_OK);
    Offered seen;
    Shown s = ShowWith(*dialog, [&](const Dialog& d) {
        Look(d, seen);
        d.cancel();
    });
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_NE(std::find(seen.faces.begin(), seen.faces.end(), printerOnly), seen.faces.end())
        << Narrow(printerOnly) << " is not listed";
    EXPECT_EQ(Long(dialog->get(L"Flags")), kPrinterFonts | kEnableHook | kInitToLogFont) << "no screen bit";

    // The screen's fonts, for contrast: the printer's own face is not among them.
    ASSERT_EQ(dialog->put(L"Flags", Var::I4(kScreenFonts)).hr, S_OK);
    Offered onScreen;
    ShowWith(*dialog, [&](const Dialog& d) {
        Look(d, onScreen);
        d.cancel();
    });
    EXPECT_EQ(std::find(onScreen.faces.begin(), onScreen.faces.end(), printerOnly), onScreen.faces.end());
}

}  // namespace
}  // namespace cz::testing

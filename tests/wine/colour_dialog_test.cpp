// The colour dialog object shown for real through the registered DLL and answered by the dialog driver:
// caption and centring as the object's hook sets them, the colour and the custom colours the user
// defines, the ANSI caption, and the caption and centring values that the colour objects of one thread
// share. Show runs on the test thread; the watcher reads the dialog, types into it and closes it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "chooser_classes.h"
#include "com_client.h"
#include "dialog_driver.h"
#include "shown.h"

namespace cz::testing {
namespace {

// The dialog's own controls: the red, green and blue fields of the full-open dialog, the button that
// adds the current colour to the custom colours, and the area in which the dialog draws the 16 custom
// colours (two rows of eight cells).
constexpr int kRed = 706, kGreen = 707, kBlue = 708;
constexpr int kAddToCustomColours = 712;
constexpr int kCustomColourArea = 721;

constexpr LONG kFullOpen = 2;
constexpr LONG kRgbInit = 1, kPreventFullOpen = 4, kEnableHook = 0x10;
constexpr LONG kNoColour = -1;

// Every dialog here closes within a few seconds, or the watcher closes it.
WatchOptions Quick() {
    WatchOptions o;
    o.timeoutMs = 5000;
    return o;
}

std::unique_ptr<Late> NewColourDialog() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(kColourDialog.progId().c_str(), object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

LONG Long(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_I4);
    return r.value.vt() == VT_I4 ? V_I4(&*r.value) : 0x7EADBEEF;
}

std::wstring Text(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_BSTR);
    return r.value.str();
}

Shown ShowWith(const Late& colour, DialogWatcher::Action action) {
    Shown s;
    s.report = WithDialog([&] { s.result = colour.call(L"Show"); }, std::move(action), Quick());
    return s;
}

// Types a colour into the red, green and blue fields (the dialog must be full open) and confirms.
DialogWatcher::Action TypeAndConfirm(int red, int green, int blue) {
    return [=](const Dialog& d) {
        d.setText(kRed, std::to_wstring(red));
        d.setText(kGreen, std::to_wstring(green));
        d.setText(kBlue, std::to_wstring(blue));
        d.ok();
    };
}

void Cancel(const Dialog& d) { d.cancel(); }

// |difference| / 2 rounded to the nearest integer, an exact half going to the even neighbour.
LONG HalfToEven(LONG difference) {
    const LONG magnitude = std::labs(difference);
    LONG half = magnitude / 2;
    if (magnitude % 2 == 1 && half % 2 == 1) ++half;
    return half;
}

// Where the object's hook puts a dialog of this size: centred on the desktop window's rectangle,
// measured from the screen origin.
POINT CentredPosition(const RECT& dialog) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return {HalfToEven((desktop.right - desktop.left) - (dialog.right - dialog.left)),
            HalfToEven((desktop.bottom - desktop.top) - (dialog.bottom - dialog.top))};
}

::testing::AssertionResult IsCentred(const DialogSnapshot& s) {
    const POINT expected = CentredPosition(s.rect);
    if (s.rect.left == expected.x && s.rect.top == expected.y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "dialog at (" << s.rect.left << ", " << s.rect.top << "), size "
                                         << s.rect.right - s.rect.left << "x" << s.rect.bottom - s.rect.top
                                         << "; centred would be (" << expected.x << ", " << expected.y << ")";
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
    if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
                                         << actual.bottom << ") instead of (" << expected.left << ", "
                                         << expected.top << ", " << expected.right << ", " << expected.bottom << ")";
}

// The platform's own colour dialog, shown by the test without the library and without a hook: its
// caption and its place are what the platform gives a colour dialog.
DialogSnapshot PlainColourDialog(DWORD flags) {
    COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.lpCustColors = custom;
    cc.Flags = flags;
    WatchReport report = WithDialog([&] { ChooseColorW(&cc); }, Cancel, Quick());
    EXPECT_TRUE(report.clean()) << report.actionError;
    EXPECT_EQ(report.seen(), 1);
    return report.seen() ? report.dialogs[0] : DialogSnapshot{};
}

// ---- caption and centring --------------------------------------------------------------------------------

TEST(RealColourDialog, TheColourTypedIntoTheDialogIsTheSelectedColour) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    ASSERT_EQ(colour->put(L"Flags", Var::I4(kFullOpen)).hr, S_OK);  // the red, green and blue fields show
    Shown s = ShowWith(*colour, TypeAndConfirm(10, 20, 30));
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), 0x1E140A) << "0x00BBGGRR";

    // A new object's dialog is captioned "Colour" and centred on the screen.
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, L"Colour");
    EXPECT_TRUE(IsCentred(s.dialog()));
}

TEST(RealColourDialog, ANewObjectIsCaptionedColourAndCentredInBothSizes) {
    // The small dialog and the full-open one have different sizes; each is centred by its own size.
    for (LONG flags : {0L, kFullOpen}) {
        SCOPED_TRACE(flags);
        auto colour = NewColourDialog();
        ASSERT_TRUE(colour);
        ASSERT_EQ(colour->put(L"Flags", Var::I4(flags)).hr, S_OK);
        Shown s = ShowWith(*colour, Cancel);
        EXPECT_TRUE(s.report.clean()) << s.report.actionError;
        ASSERT_EQ(s.report.seen(), 1);
        EXPECT_EQ(s.dialog().caption, L"Colour");
        EXPECT_TRUE(IsCentred(s.dialog()));
        EXPECT_EQ(Long(colour->get(L"Flags")), flags | kRgbInit | kEnableHook);
    }
}

TEST(RealColourDialog, ATitleKeepsItsSpacesAndABlankTitleLeavesThePlatformCaption) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);

    // The platform's own caption: an empty title with centring off leaves the dialog as the platform
    // makes it.
    ASSERT_EQ(colour->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    ASSERT_EQ(colour->put(L"DialogTitle", Var::Str(L"")).hr, S_OK);
    Shown plain = ShowWith(*colour, Cancel);
    EXPECT_TRUE(plain.report.clean()) << plain.report.actionError;
    ASSERT_EQ(plain.report.seen(), 1);
    const std::wstring platformCaption = plain.dialog().caption;
    ASSERT_FALSE(platformCaption.empty());
    ASSERT_NE(platformCaption, L"Colour") << "the platform's caption must differ from the titles set below";

    ASSERT_EQ(colour->put(L"CenterDialog", Var::Bool(true)).hr, S_OK);
    const std::wstring padded = L"  Pick a colour   ";
    ASSERT_EQ(colour->put(L"DialogTitle", Var::Str(padded)).hr, S_OK);
    Shown spaced = ShowWith(*colour, Cancel);
    EXPECT_TRUE(spaced.report.clean()) << spaced.report.actionError;
    ASSERT_EQ(spaced.report.seen(), 1);
    EXPECT_EQ(spaced.dialog().caption, padded) << "leading and trailing spaces are shown";
    EXPECT_TRUE(IsCentred(spaced.dialog()));
    EXPECT_EQ(Text(colour->get(L"DialogTitle")), padded);

    // Only spaces: the hook runs (it centres) but leaves the platform's caption, and the title as set.
    ASSERT_EQ(colour->put(L"DialogTitle", Var::Str(L"    ")).hr, S_OK);
    Shown blank = ShowWith(*colour, Cancel);
    EXPECT_TRUE(blank.report.clean()) << blank.report.actionError;
    ASSERT_EQ(blank.report.seen(), 1);
    EXPECT_EQ(blank.dialog().caption, platformCaption);
    EXPECT_TRUE(IsCentred(blank.dialog()));
    EXPECT_EQ(Text(colour->get(L"DialogTitle")), L"    ");
}

TEST(RealColourDialog, WithoutTitleAndCentringTheDialogStaysWhereThePlatformPutsIt) {
    // Where the platform puts a colour dialog of the same flags (initial colour, small dialog).
    const DialogSnapshot platform = PlainColourDialog(CC_RGBINIT);
    ASSERT_NE(platform.hwnd, nullptr);
    const POINT centred = CentredPosition(platform.rect);
    ASSERT_FALSE(platform.rect.left == centred.x && platform.rect.top == centred.y)
        << "the platform itself centres: this test could not tell the two apart";

    // A new object without title and centring: the hook is not switched on.
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    ASSERT_EQ(colour->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    ASSERT_EQ(colour->put(L"DialogTitle", Var::Str(L"")).hr, S_OK);
    Shown s = ShowWith(*colour, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_TRUE(SameRect(s.dialog().rect, platform.rect));
    EXPECT_EQ(s.dialog().caption, platform.caption);
    EXPECT_EQ(Long(colour->get(L"Flags")), kRgbInit) << "no hook bit";

    // An object whose earlier Show switched the hook on keeps the bit: the hook runs and does nothing.
    auto hooked = NewColourDialog();
    ASSERT_TRUE(hooked);
    Shown first = ShowWith(*hooked, Cancel);
    ASSERT_EQ(first.report.seen(), 1);
    EXPECT_TRUE(IsCentred(first.dialog()));
    ASSERT_EQ(hooked->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    ASSERT_EQ(hooked->put(L"DialogTitle", Var::Str(L"")).hr, S_OK);
    Shown second = ShowWith(*hooked, Cancel);
    EXPECT_TRUE(second.report.clean()) << second.report.actionError;
    ASSERT_EQ(second.report.seen(), 1);
    EXPECT_TRUE(SameRect(second.dialog().rect, platform.rect));
    EXPECT_EQ(second.dialog().caption, platform.caption);
    EXPECT_EQ(Long(hooked->get(L"Flags")), kRgbInit | kEnableHook);
}

TEST(RealColourDialog, ATitleOutsideTheAnsiCodePageIsShownAndReadBackWithTheSubstitute) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    const std::wstring title = L"Caf\u00e9 \u4e2d";
    ASSERT_EQ(colour->put(L"DialogTitle", Var::Str(title)).hr, S_OK);
    EXPECT_EQ(Text(colour->get(L"DialogTitle")), title) << "unchanged until a dialog shows it";
    Shown s = ShowWith(*colour, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, L"Caf\u00e9 ?");
    EXPECT_TRUE(IsCentred(s.dialog()));
    const std::wstring after = Text(colour->get(L"DialogTitle"));
    EXPECT_EQ(after, L"Caf\u00e9 ?");
    EXPECT_EQ(after.size(), 6u);
}

TEST(RealColourDialog, InitWithItsDefaultsShowsThePlatformCaptionCentredAndLeavesFlags20) {
    const DialogSnapshot platform = PlainColourDialog(CC_PREVENTFULLOPEN);
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    DispResult init = colour->call(L"Init");
    ASSERT_EQ(init.hr, S_OK) << Narrow(init.description);
    EXPECT_EQ(Long(colour->get(L"Flags")), kPreventFullOpen);
    Shown s = ShowWith(*colour, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, platform.caption) << "the empty title leaves the platform's caption";
    EXPECT_TRUE(IsCentred(s.dialog()));
    EXPECT_EQ(Long(colour->get(L"Flags")), 20) << "PreventFullOpen and the hook bit";
    EXPECT_EQ(Long(colour->get(L"InitialColour")), kNoColour);
}

// ---- results ---------------------------------------------------------------------------------------------

TEST(RealColourDialog, CancellingGivesFalseAndNoColour) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    Shown s = ShowWith(*colour, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), kNoColour);
}

TEST(RealColourDialog, ACancelAfterAConfirmedShowGivesFalseAndNoColourAgain) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    ASSERT_EQ(colour->put(L"Flags", Var::I4(kFullOpen)).hr, S_OK);
    ASSERT_EQ(colour->put(L"InitialColour", Var::I4(0x00FF00)).hr, S_OK);

    Shown confirmed = ShowWith(*colour, TypeAndConfirm(200, 100, 50));
    EXPECT_TRUE(confirmed.report.clean()) << confirmed.report.actionError;
    EXPECT_TRUE(ShowReturned(confirmed.result, VARIANT_TRUE));
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), 0x3264C8);
    EXPECT_EQ(Long(colour->get(L"InitialColour")), 0x00FF00) << "Show leaves the initial colour alone";

    Shown cancelled = ShowWith(*colour, Cancel);
    EXPECT_TRUE(cancelled.report.clean()) << cancelled.report.actionError;
    EXPECT_TRUE(ShowReturned(cancelled.result, VARIANT_FALSE));
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), kNoColour);
}

// ---- custom colours -----------------------------------------------------------------------------------

// Clicks a custom-colour cell (0 to 15: two rows of eight) where the dialog draws it.
bool ClickCustomCell(const Dialog& d, int cell) {
    const RECT area = d.controlRect(kCustomColourArea);
    if (IsRectEmpty(&area)) return false;
    const LONG cellWidth = (area.right - area.left) / 8, cellHeight = (area.bottom - area.top) / 2;
    const POINT centre{area.left + (cell % 8) * cellWidth + cellWidth / 2,
                       area.top + (cell / 8) * cellHeight + cellHeight / 2};
    return d.clickAt(centre);
}

struct CustomCellPick {
    bool clicked = false;
    std::wstring red, green, blue;  // what the fields show after the click
};

DialogWatcher::Action PickCustomCellAndConfirm(CustomCellPick& pick, int cell) {
    return [&pick, cell](const Dialog& d) {
        pick.clicked = ClickCustomCell(d, cell);
        pick.red = d.text(kRed);
        pick.green = d.text(kGreen);
        pick.blue = d.text(kBlue);
        d.ok();
    };
}

TEST(RealColourDialog, ACustomColourDefinedInOneShowIsOfferedByTheNextShowOfTheSameObjectOnly) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    ASSERT_EQ(colour->put(L"Flags", Var::I4(kFullOpen)).hr, S_OK);

    // First Show: type a colour, add it to the custom colours, confirm.
    Shown defined = ShowWith(*colour, [](const Dialog& d) {
        d.setText(kRed, L"12");
        d.setText(kGreen, L"34");
        d.setText(kBlue, L"56");
        d.press(kAddToCustomColours);
        d.ok();
    });
    EXPECT_TRUE(defined.report.clean()) << defined.report.actionError;
    EXPECT_TRUE(ShowReturned(defined.result, VARIANT_TRUE));
    const LONG custom = 0x38220C;
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), custom);

    // Second Show of the same object (black preselected): custom cell 0 holds the colour.
    CustomCellPick again;
    Shown offered = ShowWith(*colour, PickCustomCellAndConfirm(again, 0));
    EXPECT_TRUE(offered.report.clean()) << offered.report.actionError;
    ASSERT_TRUE(again.clicked) << "the custom-colour area was not found or did not answer";
    EXPECT_EQ(again.red + L"," + again.green + L"," + again.blue, L"12,34,56");
    EXPECT_TRUE(ShowReturned(offered.result, VARIANT_TRUE));
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), custom);

    // A new object starts with white custom colours.
    auto fresh = NewColourDialog();
    ASSERT_TRUE(fresh);
    ASSERT_EQ(fresh->put(L"Flags", Var::I4(kFullOpen)).hr, S_OK);
    CustomCellPick first;
    Shown white = ShowWith(*fresh, PickCustomCellAndConfirm(first, 0));
    EXPECT_TRUE(white.report.clean()) << white.report.actionError;
    ASSERT_TRUE(first.clicked);
    EXPECT_TRUE(ShowReturned(white.result, VARIANT_TRUE));
    EXPECT_EQ(Long(fresh->get(L"SelectedColour")), 0xFFFFFF);
}

// ---- caption and centring shared per thread ----------------------------------------------------------------

// A colour object made, titled and shown on a thread of its own, with its own OLE apartment.
struct OtherThreadShow {
    std::wstring title;
    HRESULT created = E_FAIL;
    std::wstring caption;
    bool clean = false;
    int seen = 0;
    std::wstring titleAfter;

    static DWORD WINAPI run(void* p) {
        auto* self = static_cast<OtherThreadShow*>(p);
        if (FAILED(OleInitialize(nullptr))) return 1;
        {
            ComPtr<IDispatch> object;
            self->created = CreateByProgId(kColourDialog.progId().c_str(), object);
            if (SUCCEEDED(self->created)) {
                Late colour(object);
                colour.put(L"DialogTitle", Var::Str(self->title));
                Shown s = ShowWith(colour, Cancel);
                self->clean = s.report.clean();
                self->seen = s.report.seen();
                if (s.report.seen()) self->caption = s.dialog().caption;
                self->titleAfter = colour.get(L"DialogTitle").value.str();
            }
        }
        OleUninitialize();
        return 0;
    }
};

TEST(RealColourDialog, TheTitleIsSharedByTheObjectsOfAThreadAndNotAcrossThreads) {
    auto first = NewColourDialog();
    auto second = NewColourDialog();
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->put(L"DialogTitle", Var::Str(L"Set on the first object")).hr, S_OK);
    EXPECT_EQ(Text(second->get(L"DialogTitle")), L"Set on the first object");

    // Another thread creates (which resets its own pair) and titles an object, and shows it.
    OtherThreadShow other;
    other.title = L"Set on another thread";
    HANDLE thread = CreateThread(nullptr, 0, OtherThreadShow::run, &other, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 20000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(other.created, S_OK);
    EXPECT_TRUE(other.clean);
    ASSERT_EQ(other.seen, 1);
    EXPECT_EQ(other.caption, L"Set on another thread");
    EXPECT_EQ(other.titleAfter, L"Set on another thread");

    // This thread's pair is untouched, and the second object shows the title set on the first.
    EXPECT_EQ(Text(first->get(L"DialogTitle")), L"Set on the first object");
    Shown s = ShowWith(*second, Cancel);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, L"Set on the first object");
    EXPECT_TRUE(IsCentred(s.dialog()));

    // A third object resets the pair for all of them.
    ASSERT_EQ(second->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    auto third = NewColourDialog();
    ASSERT_TRUE(third);
    EXPECT_EQ(Text(first->get(L"DialogTitle")), L"Colour");
    DispResult centre = first->get(L"CenterDialog");
    ASSERT_EQ(centre.hr, S_OK);
    ASSERT_EQ(centre.value.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(&*centre.value), VARIANT_TRUE);
}

}  // namespace
}  // namespace cz::testing

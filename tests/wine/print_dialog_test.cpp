// The print dialog object shown for real through the registered DLL, against the print server's PDF
// printer, and answered by the dialog driver: copies and page range typed into the dialog's controls come
// back in the properties, a device context it returns prints a page that arrives as a PDF, the default
// printer without a dialog, the print-setup dialog, the hook bit a client sets, a cancel, and no printer
// at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
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

// The print dialog's controls: the printer list, the range buttons, the page and copy fields; the
// print-setup dialog's printer list.
constexpr int kPrinterList = 0x473, kSetupPrinterList = 0x470;
constexpr int kAll = 0x420, kSelection = 0x421, kPages = 0x422;
constexpr int kFromPage = 0x480, kToPage = 0x481, kCopies = 0x482;

constexpr LONG kPrintSetup = 0x40, kReturnDc = 0x100, kReturnDefault = 0x400, kEnablePrintHook = 0x1000;

WatchOptions Quick() {
    WatchOptions o;
    o.timeoutMs = 15000;
    return o;
}

std::unique_ptr<Late> NewPrintDialog() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(kPrintDialog.progId().c_str(), object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

// A property read as its declared type: 16-bit for Copies, pages, Min and Max, 32-bit for the rest.
LONG Read(const Late& o, const wchar_t* name) {
    DispResult r = o.get(name);
    EXPECT_EQ(r.hr, S_OK) << Narrow(name) << ": " << Narrow(r.description);
    if (r.value.vt() == VT_I2) return V_I2(&*r.value);
    if (r.value.vt() == VT_I4) return V_I4(&*r.value);
    ADD_FAILURE() << Narrow(name) << " has type " << r.value.vt();
    return 0x7EADBEEF;
}

void Put(const Late& o, const wchar_t* name, LONG value) {
    const std::wstring n = name;
    const bool sixteen = n == L"Copies" || n == L"FromPage" || n == L"ToPage" || n == L"Min" || n == L"Max";
    ASSERT_EQ(o.put(name, sixteen ? Var::I2(static_cast<short>(value)) : Var::I4(value)).hr, S_OK) << Narrow(name);
}

// What the watcher saw, for a failure message.
std::string Seen(const WatchReport& r) {
    std::string out = "dialogs:";
    for (const auto& d : r.dialogs) out += " \"" + Narrow(d.caption) + "\"";
    out += "; unexpected:";
    for (const auto& d : r.unexpected) out += " \"" + Narrow(d.caption) + "\"";
    out += "; timed out " + std::to_string(r.timedOut) + ", closed by the watcher " + std::to_string(r.closedByWatcher) +
           ", left open " + std::to_string(r.leftOpen) + " " + r.actionError;
    return out;
}

Shown ShowWith(const Late& print, DialogWatcher::Action action) {
    Shown s;
    s.report = WithDialog([&] { s.result = print.call(L"Show"); }, std::move(action), Quick());
    return s;
}

// What the dialog offered when it opened.
struct Offered {
    std::wstring caption;
    std::wstring printer;                // the printer chosen in the list
    std::vector<std::wstring> printers;  // every entry of the list
    std::wstring copies, from, to;
};

void Look(const Dialog& d, Offered& seen) {
    seen.caption = d.caption();
    const int list = d.control(kPrinterList) ? kPrinterList : kSetupPrinterList;
    seen.printer = d.text(list);
    const LRESULT count = d.sendTo(list, CB_GETCOUNT);
    for (LRESULT i = 0; i < count && i < 64; ++i) {
        wchar_t name[512] = {};
        if (d.sendTo(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i)) < 511)
            d.sendTo(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        seen.printers.emplace_back(name);
    }
    seen.copies = d.text(kCopies);
    seen.from = d.text(kFromPage);
    seen.to = d.text(kToPage);
}

void Range(const Dialog& d, int button) {
    for (int b : {kAll, kSelection, kPages}) d.sendTo(b, BM_SETCHECK, b == button ? BST_CHECKED : BST_UNCHECKED);
}

// Types copies and a page range into the dialog and confirms it.
DialogWatcher::Action ChoosePages(Offered& seen, int copies, int from, int to) {
    return [&seen, copies, from, to](const Dialog& d) {
        Look(d, seen);
        d.setText(kCopies, std::to_wstring(copies));
        d.setText(kFromPage, std::to_wstring(from));
        d.setText(kToPage, std::to_wstring(to));
        Range(d, kPages);
        d.ok();
    };
}

DialogWatcher::Action ChooseRange(Offered& seen, int button) {
    return [&seen, button](const Dialog& d) {
        Look(d, seen);
        Range(d, button);
        d.ok();
    };
}

void Confirm(const Dialog& d) { d.ok(); }
void Cancel(const Dialog& d) { d.cancel(); }

// ---- choices made in the dialog -------------------------------------------------------------------------

TEST(RealPrintDialog, CopiesAndPagesTypedIntoTheDialogComeBackWithThePageRange) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Offered seen;
    Shown s = ShowWith(*print, ChoosePages(seen, 3, 2, 5));
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(seen.printer, kPdfPrinter) << "the default printer is chosen";
    EXPECT_NE(std::find(seen.printers.begin(), seen.printers.end(), kPdfPrinter), seen.printers.end());
    EXPECT_EQ(seen.copies, L"1") << "the object's Copies";
    EXPECT_EQ(Read(*print, L"Copies"), 3);
    EXPECT_EQ(Read(*print, L"FromPage"), 2);
    EXPECT_EQ(Read(*print, L"ToPage"), 5);
    EXPECT_EQ(Read(*print, L"PrintRange"), 1);
    EXPECT_EQ(Read(*print, L"Min"), 1);
    EXPECT_EQ(Read(*print, L"Max"), -1);
    EXPECT_EQ(Read(*print, L"Flags"), 0);
    EXPECT_EQ(Read(*print, L"HDC"), 0) << "no context asked for";

    // The next Show offers the choices of the last one.
    Offered again;
    Shown next = ShowWith(*print, [&](const Dialog& d) {
        Look(d, again);
        d.cancel();
    });
    EXPECT_TRUE(next.report.clean()) << Seen(next.report);
    EXPECT_TRUE(ShowReturned(next.result, VARIANT_FALSE));
    EXPECT_EQ(again.copies, L"3");
    EXPECT_EQ(again.from, L"2");
    EXPECT_EQ(again.to, L"5");
}

TEST(RealPrintDialog, TheSelectionGivesTwoAndAllPagesZero) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Put(*print, L"PrintRange", 1);
    Offered seen;
    Shown selection = ShowWith(*print, ChooseRange(seen, kSelection));
    EXPECT_TRUE(selection.report.clean()) << Seen(selection.report);
    EXPECT_TRUE(ShowReturned(selection.result, VARIANT_TRUE));
    EXPECT_EQ(Read(*print, L"PrintRange"), 2);

    Shown all = ShowWith(*print, ChooseRange(seen, kAll));
    EXPECT_TRUE(all.report.clean()) << Seen(all.report);
    EXPECT_TRUE(ShowReturned(all.result, VARIANT_TRUE));
    EXPECT_EQ(Read(*print, L"PrintRange"), 0);
    EXPECT_EQ(Read(*print, L"Flags"), 0);
}

TEST(RealPrintDialog, ACancelKeepsEveryField) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    const std::vector<std::pair<const wchar_t*, LONG>> set{{L"Copies", 4}, {L"FromPage", 2}, {L"ToPage", 3},
                                                           {L"Min", 1},    {L"Max", 9},      {L"PrintRange", 1},
                                                           {L"HDC", 0},    {L"Flags", kReturnDc}};
    for (const auto& [name, value] : set) Put(*print, name, value);
    Offered seen;
    Shown s = ShowWith(*print, [&](const Dialog& d) {
        Look(d, seen);
        d.setText(kCopies, L"7");
        d.setText(kToPage, L"8");
        Range(d, kSelection);
        d.cancel();
    });
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_EQ(seen.copies, L"4");
    EXPECT_EQ(seen.from, L"2");
    EXPECT_EQ(seen.to, L"3");
    for (const auto& [name, value] : set) EXPECT_EQ(Read(*print, name), value) << Narrow(name);
}

// ---- device contexts ------------------------------------------------------------------------------------

TEST(RealPrintDialog, TheReturnedDeviceContextPrintsAPageThatArrivesAsPdf) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Put(*print, L"Flags", kReturnDc);
    Shown s = ShowWith(*print, Confirm);
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    ASSERT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    const LONG handle = Read(*print, L"HDC");
    ASSERT_NE(handle, 0);
    HDC dc = static_cast<HDC>(LongToHandle(handle));
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    EXPECT_EQ(Read(*print, L"Flags"), kReturnDc);

    const auto before = PrintedFiles();
    const std::wstring text = L"Chooser10 print dialog page " + std::to_wstring(GetTickCount());
    EXPECT_TRUE(PrintPage(dc, L"print dialog test", text));
    DeleteDC(dc);  // the context belongs to the client
    const std::string printed = TextOfNewPdf(before);
    EXPECT_NE(printed.find(Narrow(text)), std::string::npos) << "the PDF reads: " << printed;
}

TEST(RealPrintDialog, ReturnDefaultGivesTheDefaultPrintersContextWithoutADialog) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Put(*print, L"Flags", kReturnDefault | kReturnDc);
    Shown s = ShowWith(*print, Cancel);
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    EXPECT_EQ(s.report.seen(), 0) << "no dialog";
    ASSERT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    HDC dc = static_cast<HDC>(LongToHandle(Read(*print, L"HDC")));
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    // It is the PDF printer's: what it prints arrives there.
    const auto before = PrintedFiles();
    const std::wstring text = L"Chooser10 default printer page " + std::to_wstring(GetTickCount());
    EXPECT_TRUE(PrintPage(dc, L"default printer test", text));
    DeleteDC(dc);
    const std::string printed = TextOfNewPdf(before);
    EXPECT_NE(printed.find(Narrow(text)), std::string::npos) << "the PDF reads: " << printed;
}

// ---- flags ------------------------------------------------------------------------------------------------

TEST(RealPrintDialog, ThePrintSetupDialogOpensWithThePrinterAndConfirms) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    DispResult init = print->call(L"Init", {Var::I4(0), Var::I4(kPrintSetup)});
    ASSERT_EQ(init.hr, S_OK) << Narrow(init.description);
    Offered seen;
    Shown s = ShowWith(*print, [&](const Dialog& d) {
        Look(d, seen);
        d.ok();
    });
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(seen.printer, kPdfPrinter);
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_NE(s.report.dialogs[0].caption.find(L"Setup"), std::wstring::npos) << Narrow(s.report.dialogs[0].caption);
    EXPECT_EQ(Read(*print, L"Flags"), kPrintSetup);
}

TEST(RealPrintDialog, AHookBitSetByTheClientStillOpensTheDialogAndStaysInFlags) {
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Put(*print, L"Flags", kEnablePrintHook);
    Offered seen;
    Shown s = ShowWith(*print, ChoosePages(seen, 2, 1, 1));
    EXPECT_TRUE(s.report.clean()) << Seen(s.report);
    EXPECT_EQ(s.report.seen(), 1);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(Read(*print, L"Copies"), 2);
    EXPECT_EQ(Read(*print, L"Flags"), kEnablePrintHook);
}

// ---- no printer --------------------------------------------------------------------------------------------

BOOL CALLBACK AddText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"|";
    return TRUE;
}

// Every text the dialog's child windows show, one after the other.
std::wstring Texts(const Dialog& d) {
    std::wstring all;
    EnumChildWindows(d.hwnd(), AddText, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Runs against a print server that is not there: Wine lists no printer, the platform says so in a
// message box, and Show returns False once the box is closed.
TEST(PrintDialogWithoutPrinter, ShowReturnsFalseAfterThePlatformsMessageAndNothingHangs) {
    ASSERT_TRUE(Printers().empty()) << "this test needs a prefix without printers";
    auto print = NewPrintDialog();
    ASSERT_TRUE(print);
    Put(*print, L"Copies", 2);
    std::wstring message;
    Shown s = ShowWith(*print, [&](const Dialog& d) {
        message = Texts(d);
        d.ok();
    });
    // The print dialog's own window may flash up empty while it closes after the message; the watcher
    // closes it at once. What counts: the message came, and nothing was left open or timed out.
    EXPECT_FALSE(s.report.timedOut) << Seen(s.report);
    EXPECT_FALSE(s.report.leftOpen) << Seen(s.report);
    EXPECT_TRUE(s.report.finished);
    EXPECT_EQ(s.report.seen(), 1) << "the message box";
    EXPECT_NE(message.find(L"printer"), std::wstring::npos) << Narrow(message);
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_EQ(Read(*print, L"Copies"), 2);

    // Asking for the default printer fails silently.
    Put(*print, L"Flags", kReturnDefault);
    Shown quiet = ShowWith(*print, Confirm);
    EXPECT_TRUE(quiet.report.clean()) << Seen(quiet.report);
    EXPECT_EQ(quiet.report.seen(), 0);
    EXPECT_TRUE(ShowReturned(quiet.result, VARIANT_FALSE));
}

}  // namespace
}  // namespace cz::testing

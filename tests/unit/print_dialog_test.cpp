// The print dialog: the record Show fills, the range bits, what it reads back, what a cancel keeps, the
// hook and template bits it keeps out of the record, and the device blocks it frees.
#include <gtest/gtest.h>

#include "fakes.h"
#include "frame/errors.h"
#include "print/print_dialog.h"

namespace cz {
namespace {

class PrintDialog : public ::testing::Test {
protected:
    const PrintDlgRecord& lastRecord() { return f.sim.printDialogs.back().record; }
    test::Fixture f;
};

TEST_F(PrintDialog, ANewObjectPassesTheDefaultsAndNothingElse) {
    clsZqPickerPrintDialogA print{f.sim};
    EXPECT_EQ(print.Show(), False);
    ASSERT_EQ(f.sim.printDialogs.size(), 1u);
    const PrintDlgRecord& rec = lastRecord();
    EXPECT_EQ(rec.lStructSize, 66u);
    EXPECT_EQ(rec.Flags, 0u);
    EXPECT_EQ(rec.nCopies, 1);
    EXPECT_EQ(rec.nFromPage, 0);
    EXPECT_EQ(rec.nToPage, 0);
    EXPECT_EQ(rec.nMinPage, 1);
    EXPECT_EQ(rec.nMaxPage, 65535) << "Max -1 travels bit for bit";
    EXPECT_EQ(rec.hDC, 0);
    EXPECT_EQ(rec.hwndOwner, 0);
    EXPECT_EQ(rec.hDevMode, 0u);
    EXPECT_EQ(rec.hDevNames, 0u);
    EXPECT_EQ(rec.hInstance, 0);
    EXPECT_EQ(rec.lCustData, 0);
    EXPECT_EQ(rec.lpfnPrintHook, nullptr);
    EXPECT_EQ(rec.lpfnSetupHook, nullptr);
    EXPECT_TRUE(rec.lpPrintTemplateName.empty());
    EXPECT_TRUE(rec.lpSetupTemplateName.empty());
    EXPECT_EQ(rec.hPrintTemplate, 0u);
    EXPECT_EQ(rec.hSetupTemplate, 0u);
    EXPECT_EQ(print.Max(), -1);
}

TEST_F(PrintDialog, ThePropertiesReachTheRecordBitForBit) {
    f.sim.addWindow(0x30001);
    clsZqPickerPrintDialogA print{f.sim};
    print.Init(0x30001, ePrintFlag_ReturnDc | ePrintFlag_Collate);
    print.Copies(-2);
    print.FromPage(32767);
    print.ToPage(-32768);
    print.Min(0);
    print.Max(-1);
    print.HDC(-0x1234);
    print.Show();
    const PrintDlgRecord& rec = lastRecord();
    EXPECT_EQ(rec.hwndOwner, 0x30001);
    EXPECT_EQ(rec.Flags, 0x110u);
    EXPECT_EQ(rec.nCopies, 65534);
    EXPECT_EQ(rec.nFromPage, 32767);
    EXPECT_EQ(rec.nToPage, 32768);
    EXPECT_EQ(rec.nMinPage, 0);
    EXPECT_EQ(rec.nMaxPage, 65535);
    EXPECT_EQ(rec.hDC, -0x1234);
}

TEST_F(PrintDialog, TheRangeBitFollowsPrintRangeAndFlagsStayAsSet) {
    struct Case {
        std::int32_t printRange;
        std::uint32_t recordFlags;
    };
    for (Case c : {Case{0, 0u}, Case{1, 2u}, Case{2, 1u}, Case{5, 0u}, Case{-1, 0u}}) {
        SCOPED_TRACE(c.printRange);
        clsZqPickerPrintDialogA print{f.sim};
        print.PrintRange(c.printRange);
        print.Show();
        EXPECT_EQ(lastRecord().Flags, c.recordFlags);
        EXPECT_EQ(print.Flags(), 0);
        EXPECT_EQ(print.PrintRange(), c.printRange) << "a cancel reads nothing back";
    }
}

TEST_F(PrintDialog, PageNumbersWinOverTheSelectionBothWays) {
    clsZqPickerPrintDialogA print{f.sim};
    print.Flags(ePrintFlag_PageNums);
    print.PrintRange(ePrintRange_Selection);
    f.sim.printUser = [](PrintDlgRecord&) { return true; };  // confirms with both bits still set
    EXPECT_EQ(print.Show(), True);
    EXPECT_EQ(lastRecord().Flags, 3u);
    EXPECT_EQ(print.PrintRange(), ePrintRange_PageNumbers);
    EXPECT_EQ(print.Flags(), ePrintFlag_PageNums);
}

TEST_F(PrintDialog, PrintRangeComesFromTheReturnedFlags) {
    struct Case {
        std::uint32_t returned;
        std::int32_t printRange;
    };
    for (Case c : {Case{0x100u, 0}, Case{0x102u, 1}, Case{0x101u, 2}, Case{0x3u, 1}, Case{0x4u, 0}}) {
        SCOPED_TRACE(c.returned);
        clsZqPickerPrintDialogA print{f.sim};
        print.PrintRange(ePrintRange_PageNumbers);
        f.sim.printUser = [&](PrintDlgRecord& rec) {
            rec.Flags = c.returned;
            return true;
        };
        EXPECT_EQ(print.Show(), True);
        EXPECT_EQ(print.PrintRange(), c.printRange);
        EXPECT_EQ(print.Flags(), 0) << "the returned flags serve only for PrintRange";
    }
}

TEST_F(PrintDialog, AConfirmedDialogReadsEveryChoiceBackAsSigned16Bit) {
    f.sim.addWindow(0x30001);
    clsZqPickerPrintDialogA print{f.sim};
    print.HWndOwner(0x30001);
    f.sim.printUser = [](PrintDlgRecord& rec) {
        rec.nCopies = 3;
        rec.nFromPage = 2;
        rec.nToPage = 40000;
        rec.nMinPage = 65535;
        rec.nMaxPage = 32768;
        rec.hDC = 0x0501ABCD;
        rec.hwndOwner = 0x30002;
        rec.Flags = kPrintPageNums;
        return true;
    };
    EXPECT_EQ(print.Show(), True);
    EXPECT_EQ(print.Copies(), 3);
    EXPECT_EQ(print.FromPage(), 2);
    EXPECT_EQ(print.ToPage(), 40000 - 65536) << "a page above 32767 reads negative";
    EXPECT_EQ(print.Min(), -1);
    EXPECT_EQ(print.Max(), -32768);
    EXPECT_EQ(print.HDC(), 0x0501ABCD);
    EXPECT_EQ(print.PrintRange(), ePrintRange_PageNumbers);
    EXPECT_EQ(print.HWndOwner(), 0x30001) << "the owner is never read back";

    // The next Show starts from these choices.
    f.sim.printUser = nullptr;
    print.Show();
    EXPECT_EQ(lastRecord().nCopies, 3);
    EXPECT_EQ(lastRecord().nToPage, 40000);
    EXPECT_EQ(lastRecord().hDC, 0x0501ABCD);
    EXPECT_EQ(lastRecord().Flags, kPrintPageNums);
}

TEST_F(PrintDialog, ACancelKeepsEveryField) {
    clsZqPickerPrintDialogA print{f.sim};
    print.Copies(4), print.FromPage(5), print.ToPage(6), print.Min(2), print.Max(9), print.HDC(77);
    print.PrintRange(ePrintRange_Selection);
    print.Flags(ePrintFlag_ReturnDc);
    f.sim.printUser = [&](PrintDlgRecord& rec) {
        // The dialog wrote its state into the record before the user cancelled.
        rec.nCopies = 1, rec.nFromPage = 1, rec.nToPage = 1, rec.nMinPage = 1, rec.nMaxPage = 1, rec.hDC = 1;
        rec.Flags = kPrintPageNums;
        return false;
    };
    EXPECT_EQ(print.Show(), False);
    EXPECT_EQ(print.Copies(), 4);
    EXPECT_EQ(print.FromPage(), 5);
    EXPECT_EQ(print.ToPage(), 6);
    EXPECT_EQ(print.Min(), 2);
    EXPECT_EQ(print.Max(), 9);
    EXPECT_EQ(print.HDC(), 77);
    EXPECT_EQ(print.PrintRange(), ePrintRange_Selection);
    EXPECT_EQ(print.Flags(), ePrintFlag_ReturnDc);
}

TEST_F(PrintDialog, HookAndTemplateBitsAreClearedInTheRecordOnly) {
    const std::int32_t hooksAndTemplates = ePrintFlag_EnablePrintHook | ePrintFlag_EnableSetupHook |
                                           ePrintFlag_EnablePrintTemplate | ePrintFlag_EnableSetupTemplate |
                                           ePrintFlag_EnablePrintTemplateHandle | ePrintFlag_EnableSetupTemplateHandle;
    clsZqPickerPrintDialogA print{f.sim};
    const std::int32_t flags = hooksAndTemplates | ePrintFlag_PrintSetup | ePrintFlag_NoNetworkButton;
    print.Flags(flags);
    f.sim.printUser = [](PrintDlgRecord&) { return true; };
    EXPECT_EQ(print.Show(), True);
    EXPECT_EQ(lastRecord().Flags, static_cast<std::uint32_t>(ePrintFlag_PrintSetup | ePrintFlag_NoNetworkButton));
    EXPECT_EQ(lastRecord().lpfnPrintHook, nullptr);
    EXPECT_EQ(lastRecord().lpfnSetupHook, nullptr);
    EXPECT_EQ(print.Flags(), flags);

    // Each bit on its own is cleared too; every other bit passes (the user cancels, so the page range
    // stays All).
    f.sim.printUser = nullptr;
    for (std::uint32_t bit = 1; bit <= 0x200000; bit <<= 1) {
        print.Flags(static_cast<std::int32_t>(bit));
        print.Show();
        const bool dropped = (bit & static_cast<std::uint32_t>(hooksAndTemplates)) != 0;
        EXPECT_EQ(lastRecord().Flags, dropped ? 0u : bit) << std::hex << bit;
    }
}

TEST_F(PrintDialog, DeviceBlocksAreFreedExactlyOnceWhateverTheDialogReturned) {
    for (bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed);
        clsZqPickerPrintDialogA print{f.sim};
        std::uintptr_t devMode = 0, devNames = 0;
        f.sim.printUser = [&](PrintDlgRecord& rec) {
            rec.hDevMode = devMode = f.sim.addGlobalBlock();
            rec.hDevNames = devNames = f.sim.addGlobalBlock();
            return confirmed;
        };
        f.sim.clearCalls();
        print.Show();
        EXPECT_EQ(f.sim.liveGlobalBlocks(), 0u);
        EXPECT_EQ(f.sim.globalFrees[devMode], 1);
        EXPECT_EQ(f.sim.globalFrees[devNames], 1);
        EXPECT_EQ(f.sim.calls(), (std::vector<std::string>{"PrintDlgA", "GlobalFree", "GlobalFree"}));
        EXPECT_TRUE(f.reportCalls().empty());
    }
    // Without blocks nothing is freed; the next Show starts without them again.
    clsZqPickerPrintDialogA print{f.sim};
    f.sim.printUser = [](PrintDlgRecord&) { return true; };
    f.sim.clearCalls();
    print.Show();
    EXPECT_EQ(f.sim.count("GlobalFree"), 0);
    EXPECT_EQ(lastRecord().hDevMode, 0u);
    EXPECT_EQ(lastRecord().hDevNames, 0u);
}

TEST_F(PrintDialog, AFailingDialogCallIsReportedAndChangesNothing) {
    clsZqPickerPrintDialogA print{f.sim};
    print.Copies(2);
    f.sim.failNext("PrintDlgA", test::someFailure());
    EXPECT_EQ(print.Show(), False);
    EXPECT_EQ(print.Copies(), 2);
    auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::get<String>(calls[0].args[3].value), u"czPickerPrintDialog.Show");
}

TEST_F(PrintDialog, AFailingFreeIsNotReportedAndTheOtherBlockIsStillFreed) {
    clsZqPickerPrintDialogA print{f.sim};
    f.sim.printUser = [&](PrintDlgRecord& rec) {
        rec.hDevMode = f.sim.addGlobalBlock();
        rec.hDevNames = f.sim.addGlobalBlock();
        rec.nCopies = 5;
        return true;
    };
    f.sim.failNext("GlobalFree", test::someFailure());
    EXPECT_EQ(print.Show(), True);
    EXPECT_EQ(print.Copies(), 5);
    EXPECT_EQ(f.sim.count("GlobalFree"), 2);
    EXPECT_EQ(f.sim.liveGlobalBlocks(), 1u) << "only the block whose free failed is left";
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(PrintDialog, InitStoresOwnerAndFlagsOnlyAndAnInvalidOwnerStoresNeither) {
    f.sim.addWindow(0x30001);
    clsZqPickerPrintDialogA print{f.sim};
    print.Copies(3);
    print.Init(0x30001, ePrintFlag_ReturnIc);
    EXPECT_EQ(print.HWndOwner(), 0x30001);
    EXPECT_EQ(print.Flags(), ePrintFlag_ReturnIc);
    EXPECT_EQ(print.Copies(), 3);
    try {
        print.Init(0x7777, ePrintFlag_PrintSetup);
        FAIL() << "no error";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, eErrPrintDialog_InvalidWindowHandle);
        EXPECT_EQ(r.info().source, u"Chooser10.czPickerPrintDialog");
        EXPECT_EQ(r.info().description, u"Invalid window handle");
    }
    EXPECT_EQ(print.HWndOwner(), 0x30001);
    EXPECT_EQ(print.Flags(), ePrintFlag_ReturnIc);
    print.Init(-5, 0);
    EXPECT_EQ(print.HWndOwner(), -5);
    EXPECT_EQ(print.Flags(), 0);
}

}  // namespace
}  // namespace cz

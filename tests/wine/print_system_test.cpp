// The print system the print and printer-font tests run against: Wine lists the print server's PDF
// printer as the default, and a page printed on it arrives as a PDF with the text on it. Without a
// server, Wine lists no printer.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "print_system.h"

namespace cz::testing {
namespace {

TEST(PrintSystem, WineListsThePdfPrinterAsTheDefault) {
    const auto printers = Printers();
    EXPECT_NE(std::find(printers.begin(), printers.end(), kPdfPrinter), printers.end()) << "no printer named PDF";
    EXPECT_EQ(DefaultPrinter(), kPdfPrinter);
}

TEST(PrintSystem, APagePrintedOnThePdfPrinterArrivesWithItsText) {
    ASSERT_FALSE(PrintOutputFolder().empty()) << "CHOOSER_PRINT_OUTPUT is not set";
    const auto before = PrintedFiles();
    HDC dc = CreateDCW(L"WINSPOOL", kPdfPrinter, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(PrintPage(dc, L"print system check", L"Printed by the print system test"));
    DeleteDC(dc);
    EXPECT_NE(TextOfNewPdf(before).find("Printed by the print system test"), std::string::npos);
}

TEST(PrintSystem, WithoutAServerWineListsNoPrinter) {
    EXPECT_TRUE(Printers().empty());
    EXPECT_EQ(DefaultPrinter(), L"");
}

}  // namespace
}  // namespace cz::testing

// The print system as a test sees it: the printers Wine lists (it takes them from the CUPS server the
// test runs against, see chooser_uses_printer in tests/wine/CMakeLists.txt) and the text of the PDFs
// that the server's PDF printer writes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cz::testing {

// The queue the print server adds and makes the default.
inline constexpr wchar_t kPdfPrinter[] = L"PDF";

std::vector<std::wstring> Printers();
// Empty when there is no default printer.
std::wstring DefaultPrinter();

// The folder the PDF printer writes into (CHOOSER_PRINT_OUTPUT, a Unix path); empty when not set.
std::string PrintOutputFolder();
// A PDF file in that folder, and when it was last written: the printer names its files after the
// document, so a file of the same name may come again.
struct PrintedFile {
    std::string path;  // Unix path
    ULONGLONG written = 0;
    friend bool operator==(const PrintedFile&, const PrintedFile&) = default;
};
// The PDF files in that folder now.
std::vector<PrintedFile> PrintedFiles();

// Prints one page with the text on the device context: StartDoc, StartPage, TextOut, EndPage, EndDoc.
// False when a step failed.
bool PrintPage(HDC dc, const std::wstring& documentName, const std::wstring& text);

// Waits (bounded) for a PDF that was not among `before` and returns its text as pdftotext reads it;
// empty when none arrived in time.
std::string TextOfNewPdf(const std::vector<PrintedFile>& before, DWORD timeoutMs = 30000);

}  // namespace cz::testing

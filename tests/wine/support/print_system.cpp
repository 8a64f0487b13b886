#include "print_system.h"

#include <winspool.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace cz::testing {
namespace {

// A Unix path as this Wine process opens it: the root of the Unix file system is drive Z.
std::string WindowsPath(const std::string& unixPath) {
    std::string p = "Z:" + unixPath;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

// Starts a Unix program; Wine runs it on its own, so the handle says nothing about when it ends or how:
// the caller watches for the files it writes.
bool StartUnix(const std::string& commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool Exists(const std::string& unixPath) {
    return GetFileAttributesA(WindowsPath(unixPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::vector<std::wstring> Printers() {
    std::vector<std::wstring> names;
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return names;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(), needed, &needed,
                       &count))
        return names;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) names.emplace_back(info[i].pPrinterName ? info[i].pPrinterName : L"");
    return names;
}

std::wstring DefaultPrinter() {
    wchar_t name[512];
    DWORD size = ARRAYSIZE(name);
    return GetDefaultPrinterW(name, &size) ? std::wstring(name) : std::wstring();
}

std::string PrintOutputFolder() {
    const char* folder = std::getenv("CHOOSER_PRINT_OUTPUT");
    return folder ? folder : "";
}

std::vector<PrintedFile> PrintedFiles() {
    std::vector<PrintedFile> files;
    const std::string folder = PrintOutputFolder();
    if (folder.empty()) return files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((WindowsPath(folder) + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const ULARGE_INTEGER written{{found.ftLastWriteTime.dwLowDateTime, found.ftLastWriteTime.dwHighDateTime}};
        files.push_back({folder + "/" + found.cFileName, written.QuadPart});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

bool PrintPage(HDC dc, const std::wstring& documentName, const std::wstring& text) {
    if (!dc) return false;
    DOCINFOW doc{};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = documentName.c_str();
    if (StartDocW(dc, &doc) <= 0) return false;
    bool ok = StartPage(dc) > 0;
    ok = ok && TextOutW(dc, 200, 200, text.c_str(), static_cast<int>(text.size()));
    ok = EndPage(dc) > 0 && ok;
    return EndDoc(dc) > 0 && ok;
}

std::string TextOfNewPdf(const std::vector<PrintedFile>& before, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    auto timeLeft = [&] { return GetTickCount() - start < timeoutMs; };
    while (timeLeft()) {
        for (const PrintedFile& file : PrintedFiles()) {
            if (std::find(before.begin(), before.end(), file) != before.end()) continue;
            // The printer may still be writing it, and then pdftotext fails: the text file appears only
            // once a conversion succeeded, else the next round tries again.
            const std::string& pdf = file.path;
            const std::string text = pdf + "." + std::to_string(file.written) + ".txt";
            if (!Exists(text)) {
                DeleteFileA(WindowsPath(text + ".part").c_str());
                StartUnix("/bin/sh -c \"/usr/bin/pdftotext '" + pdf + "' '" + text + ".part' 2>/dev/null && mv '" + text +
                          ".part' '" + text + "'\"");
                for (int i = 0; i < 30 && !Exists(text) && timeLeft(); ++i) Sleep(100);
            }
            if (!Exists(text)) continue;
            std::ifstream in(WindowsPath(text), std::ios::binary);
            std::stringstream read;
            read << in.rdbuf();
            return read.str();
        }
        Sleep(200);
    }
    return {};
}

}  // namespace cz::testing

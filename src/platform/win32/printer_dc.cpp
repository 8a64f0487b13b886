// A device context of the current printer: the default printer's, made with CreateDC (gdi32). The
// spooler's library is loaded only here, when a printer is asked for: loading it makes the system go
// through its printers, which a library that only shows dialogs should not cause.
#include <windows.h>

#include "automation/failure.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

namespace {

using GetDefaultPrinterFunction = BOOL(WINAPI*)(LPSTR buffer, LPDWORD size);

struct Library {
    HMODULE module;
    explicit Library(const wchar_t* name) : module(LoadLibraryW(name)) {}
    ~Library() {
        if (module) FreeLibrary(module);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

[[noreturn]] void noPrinter() { throw Failure(E_FAIL, u"There is no current printer"); }

std::string DefaultPrinterName() {
    Library spooler(L"winspool.drv");
    FARPROC found = spooler.module ? GetProcAddress(spooler.module, "GetDefaultPrinterA") : nullptr;
    if (!found) noPrinter();
    auto getDefaultPrinter = reinterpret_cast<GetDefaultPrinterFunction>(reinterpret_cast<void (*)()>(found));
    DWORD size = 0;
    getDefaultPrinter(nullptr, &size);
    if (size == 0) noPrinter();
    std::string name(size, '\0');
    if (!getDefaultPrinter(name.data(), &size)) noPrinter();
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

}  // namespace

std::int32_t Win32Platform::CreatePrinterDC() {
    const std::string printer = DefaultPrinterName();
    HDC dc = CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (!dc) throw Failure(E_FAIL, u"The printer's device context cannot be made");
    return HandleToLong(dc);
}

}  // namespace cz::win32

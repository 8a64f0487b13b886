// The print and print-setup dialog (comdlg32).
#include <windows.h>
#include <commdlg.h>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(PRINTDLGA) == 66, "byte-packed 32-bit PRINTDLG");
#endif

namespace {

// A device context crosses the automation interface as a 32-bit integer; the system widens it by sign
// extension, as it does for window handles.
HDC toHdc(std::int32_t hdc) { return static_cast<HDC>(LongToHandle(hdc)); }
HGLOBAL toGlobal(std::uintptr_t block) { return reinterpret_cast<HGLOBAL>(block); }
std::uintptr_t fromGlobal(HGLOBAL block) { return reinterpret_cast<std::uintptr_t>(block); }

}  // namespace

bool Win32Platform::PrintDlgA(PrintDlgRecord& record) {
    std::string printTemplate = ToAnsi(record.lpPrintTemplateName);
    std::string setupTemplate = ToAnsi(record.lpSetupTemplateName);
    PRINTDLGA pd{};
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = toHwnd(record.hwndOwner);
    pd.hDevMode = toGlobal(record.hDevMode);
    pd.hDevNames = toGlobal(record.hDevNames);
    pd.hDC = toHdc(record.hDC);
    pd.Flags = record.Flags;
    pd.nFromPage = record.nFromPage;
    pd.nToPage = record.nToPage;
    pd.nMinPage = record.nMinPage;
    pd.nMaxPage = record.nMaxPage;
    pd.nCopies = record.nCopies;
    pd.hInstance = reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(record.hInstance));
    pd.lCustData = record.lCustData;
    pd.lpfnPrintHook = asSystemProcedure<LPPRINTHOOKPROC>(record.lpfnPrintHook);
    pd.lpfnSetupHook = asSystemProcedure<LPSETUPHOOKPROC>(record.lpfnSetupHook);
    pd.lpPrintTemplateName = printTemplate.empty() ? nullptr : printTemplate.c_str();
    pd.lpSetupTemplateName = setupTemplate.empty() ? nullptr : setupTemplate.c_str();
    pd.hPrintTemplate = toGlobal(record.hPrintTemplate);
    pd.hSetupTemplate = toGlobal(record.hSetupTemplate);

    BOOL confirmed = systemFunction<decltype(&::PrintDlgA)>(kCommonDialogs, "PrintDlgA")(&pd);
    record.hDevMode = fromGlobal(pd.hDevMode);
    record.hDevNames = fromGlobal(pd.hDevNames);
    record.hDC = HandleToLong(pd.hDC);
    record.Flags = pd.Flags;
    record.nFromPage = pd.nFromPage;
    record.nToPage = pd.nToPage;
    record.nMinPage = pd.nMinPage;
    record.nMaxPage = pd.nMaxPage;
    record.nCopies = pd.nCopies;
    return confirmed != FALSE;
}

}  // namespace cz::win32

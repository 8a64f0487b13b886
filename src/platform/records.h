// The platform's records as the class logic fills them: the system's field names, automation-sized
// integers, and UTF-16 text in the string fields. The platform call converts the text to the ANSI code
// page before the call and back after it, keeping each string's full length.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "automation/automation.h"

#if defined(__i386__)
#define CZ_CALLBACK __attribute__((stdcall))
#else
#define CZ_CALLBACK
#endif

namespace cz {

// A window handle as the automation interface carries it; the platform widens it to a pointer-sized
// handle by sign extension.
using WindowHandle = std::int32_t;

// Hook and callback procedures, with the platform's signatures and calling convention.
using CommonDialogHook = std::uintptr_t(CZ_CALLBACK*)(std::intptr_t hwnd, std::uint32_t message,
                                                      std::uintptr_t wParam, std::intptr_t lParam);
using BrowseCallback = int(CZ_CALLBACK*)(std::intptr_t hwnd, std::uint32_t message, std::intptr_t lParam,
                                         std::intptr_t lpData);

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// CHOOSECOLOR.
struct ChooseColorRecord {
    std::uint32_t lStructSize = 0;
    WindowHandle hwndOwner = 0;
    std::int32_t hInstance = 0;
    std::uint32_t rgbResult = 0;
    std::int32_t* lpCustColors = nullptr;  // 16 entries
    std::uint32_t Flags = 0;
    std::intptr_t lCustData = 0;
    CommonDialogHook lpfnHook = nullptr;
    String lpTemplateName;  // empty: none
};

// BROWSEINFO, ANSI form.
struct BrowseInfoRecord {
    WindowHandle hwndOwner = 0;
    std::uintptr_t pidlRoot = 0;
    String pszDisplayName;  // the caller's buffer: its length is the buffer's size
    String lpszTitle;
    std::uint32_t ulFlags = 0;
    BrowseCallback lpfn = nullptr;
    std::intptr_t lParam = 0;
    std::int32_t iImage = 0;
};

// PRINTDLG, ANSI form: 66 bytes, byte-packed, in a 32-bit process. The page and copy fields are the
// platform's unsigned 16-bit ones; a device context crosses the automation interface as a 32-bit integer.
struct PrintDlgRecord {
    std::uint32_t lStructSize = 0;
    WindowHandle hwndOwner = 0;
    std::uintptr_t hDevMode = 0;   // global memory blocks the dialog allocates
    std::uintptr_t hDevNames = 0;
    std::int32_t hDC = 0;
    std::uint32_t Flags = 0;
    std::uint16_t nFromPage = 0;
    std::uint16_t nToPage = 0;
    std::uint16_t nMinPage = 0;
    std::uint16_t nMaxPage = 0;
    std::uint16_t nCopies = 0;
    std::int32_t hInstance = 0;
    std::intptr_t lCustData = 0;
    CommonDialogHook lpfnPrintHook = nullptr;
    CommonDialogHook lpfnSetupHook = nullptr;
    String lpPrintTemplateName;  // empty: none
    String lpSetupTemplateName;
    std::uintptr_t hPrintTemplate = 0;
    std::uintptr_t hSetupTemplate = 0;
};

// LOGFONT, ANSI form: 28 bytes of fields, then the face name as the ANSI bytes the dialog takes and
// returns (60 bytes in all).
struct LogFontRecord {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::array<char, 32> lfFaceName{};
};

// CHOOSEFONT, ANSI form: 60 bytes in a 32-bit process. A device context crosses the automation
// interface as a 32-bit integer.
struct ChooseFontRecord {
    std::uint32_t lStructSize = 0;
    WindowHandle hwndOwner = 0;
    std::int32_t hDC = 0;
    LogFontRecord* lpLogFont = nullptr;
    std::int32_t iPointSize = 0;  // tenths of a point
    std::uint32_t Flags = 0;
    std::uint32_t rgbColors = 0;
    std::intptr_t lCustData = 0;
    CommonDialogHook lpfnHook = nullptr;
    String lpTemplateName;  // empty: none
    std::int32_t hInstance = 0;
    String lpszStyle;  // the caller's buffer: its length is the buffer's size; empty: none
    std::uint16_t nFontType = 0;
    std::int32_t nSizeMin = 0;
    std::int32_t nSizeMax = 0;
};

// OPENFILENAME, ANSI form without the three trailing fields of later versions: 76 bytes in a 32-bit
// process. A buffer field's length is the size of the buffer the dialog writes into, and it comes back
// at that length; the filter keeps its embedded NULs. Empty custom filter, title and template name:
// none.
struct OpenFileNameRecord {
    std::uint32_t lStructSize = 0;
    WindowHandle hwndOwner = 0;
    std::int32_t hInstance = 0;
    String lpstrFilter;
    String lpstrCustomFilter;
    std::uint32_t nMaxCustFilter = 0;
    std::uint32_t nFilterIndex = 0;
    String lpstrFile;
    std::uint32_t nMaxFile = 0;
    String lpstrFileTitle;
    std::uint32_t nMaxFileTitle = 0;
    String lpstrInitialDir;
    String lpstrTitle;
    std::uint32_t Flags = 0;
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
    String lpstrDefExt;
    std::intptr_t lCustData = 0;
    CommonDialogHook lpfnHook = nullptr;
    String lpTemplateName;
};
// SHELLEXECUTEINFO, ANSI form: 60 bytes in a 32-bit process. A string field without a value is a null
// pointer; an empty one is a valid pointer to a zero byte, which the shell treats differently.
struct ShellExecuteInfoRecord {
    std::uint32_t cbSize = 0;
    std::uint32_t fMask = 0;
    WindowHandle hwnd = 0;
    std::optional<String> lpVerb;
    std::optional<String> lpFile;
    std::optional<String> lpParameters;
    std::optional<String> lpDirectory;
    std::int32_t nShow = 0;
    std::int32_t hInstApp = 0;     // the shell's result: above 32 when it carried the request out
    std::uintptr_t lpIDList = 0;
    std::optional<String> lpClass;
    std::uintptr_t hkeyClass = 0;
    std::uint32_t dwHotKey = 0;
    std::int32_t hIcon = 0;
    std::uintptr_t hProcess = 0;   // a process the request started, the caller's to close
};

// POINT.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// WINDOWPLACEMENT: 44 bytes on every platform; `length` must hold 44 for the system to take it.
struct WindowPlacementRecord {
    std::uint32_t length = 0;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    Point ptMinPosition;
    Point ptMaxPosition;
    Rect rcNormalPosition;
    friend bool operator==(const WindowPlacementRecord&, const WindowPlacementRecord&) = default;
};
inline constexpr std::uint32_t kWindowPlacementSize = 44;

// NMHDR, the header of every WM_NOTIFY message: 12 bytes in a 32-bit process. The sending window
// crosses as a 32-bit handle, like every other.
struct NotifyHeader {
    WindowHandle hwndFrom = 0;
    std::uintptr_t idFrom = 0;
    std::int32_t code = 0;
};

// ShowWindow's commands.
inline constexpr std::int32_t kShowHide = 0;        // SW_HIDE
inline constexpr std::int32_t kShowNormal = 1;      // SW_SHOWNORMAL

// Messages and flags the class logic sends or sets itself (the system headers name them as macros, so
// they go by names of their own here).
namespace msg {
inline constexpr std::uint32_t InitDialog = 0x110;              // WM_INITDIALOG
inline constexpr std::uint32_t BrowseInitialized = 1;           // BFFM_INITIALIZED
inline constexpr std::uint32_t BrowseSelectionChanged = 2;      // BFFM_SELCHANGED
inline constexpr std::uint32_t BrowseSetStatusText = 0x464;     // BFFM_SETSTATUSTEXTA
inline constexpr std::uint32_t BrowseSetSelection = 0x466;      // BFFM_SETSELECTIONA
inline constexpr std::uint32_t Destroy = 0x2;                   // WM_DESTROY
inline constexpr std::uint32_t Notify = 0x4E;                   // WM_NOTIFY
inline constexpr std::uint32_t GetFilePath = 0x465;             // CDM_GETFILEPATH
inline constexpr std::int32_t FileInitDone = -601;              // CDN_INITDONE
inline constexpr std::int32_t FileSelectionChanged = -602;      // CDN_SELCHANGE
}  // namespace msg

inline constexpr std::int32_t kFileListControl = 1120;  // lst1 of the explorer-style dialog template

inline constexpr std::uint32_t kFileEnableHook = 0x20;  // OFN_ENABLEHOOK
inline constexpr std::uint32_t kFileExplorer = 0x80000;  // OFN_EXPLORER
inline constexpr std::uint32_t kColourRgbInit = 0x1;      // CC_RGBINIT
inline constexpr std::uint32_t kColourEnableHook = 0x10;  // CC_ENABLEHOOK
inline constexpr std::uint32_t kFontEnableHook = 0x8;     // CF_ENABLEHOOK
inline constexpr std::uint32_t kShellInvokeIdList = 0xC;     // SEE_MASK_INVOKEIDLIST
inline constexpr std::uint32_t kShellNoCloseProcess = 0x40;  // SEE_MASK_NOCLOSEPROCESS
inline constexpr std::uint32_t kShellFlagNoUi = 0x400;       // SEE_MASK_FLAG_NO_UI
inline constexpr std::uint32_t kLocalZeroInit = 0x40;     // LMEM_ZEROINIT
inline constexpr std::uint32_t kPrintSelection = 0x1;     // PD_SELECTION
inline constexpr std::uint32_t kPrintPageNums = 0x2;      // PD_PAGENUMS
inline constexpr std::uint32_t kPrintReturnDefault = 0x400;  // PD_RETURNDEFAULT
// PD_ENABLEPRINTHOOK, PD_ENABLESETUPHOOK, PD_ENABLEPRINTTEMPLATE, PD_ENABLESETUPTEMPLATE,
// PD_ENABLEPRINTTEMPLATEHANDLE, PD_ENABLESETUPTEMPLATEHANDLE.
inline constexpr std::uint32_t kPrintHooksAndTemplates = 0x3F000;

}  // namespace cz

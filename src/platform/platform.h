// Every operation the class logic performs on the operating system and the automation layer. The
// classes reach the outside only through this interface: the win32 implementation calls the real
// system, the simulation scripts outcomes and records what it was asked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/automation.h"
#include "automation/failure.h"
#include "platform/records.h"

namespace cz {

// A standard picture object (IPictureDisp), reached like any other object.
using Picture = Object;

// The picture kinds of the resource loader.
enum ResourcePictureKind : std::int16_t {
    kResourceBitmap = 0,
    kResourceIcon = 1,
    kResourceCursor = 2,
};

// The resource loader's failure for a resource the library's file does not hold.
inline Failure ResourceNotFound(std::int32_t id) {
    std::string digits = std::to_string(id);
    return Failure(runtime_error::ResourceNotFound,
                   u"Resource with identifier '" + String(digits.begin(), digits.end()) + u"' not found");
}

class Platform {
public:
    virtual ~Platform() = default;

    // Windows and messages (user32).
    virtual bool IsWindow(WindowHandle hwnd) = 0;
    // Sets a window's caption from text already in the ANSI code page.
    virtual bool SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) = 0;
    virtual WindowHandle GetDesktopWindow() = 0;
    virtual bool GetWindowRect(WindowHandle hwnd, Rect& rect) = 0;
    virtual bool MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, bool repaint) = 0;
    // 0 when the window has no parent (or is no window).
    virtual WindowHandle GetParent(WindowHandle hwnd) = 0;
    virtual std::intptr_t SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;

    // The dialog's control with that identifier; 0 when there is none.
    virtual WindowHandle GetDlgItem(WindowHandle dialog, std::int32_t id) = 0;
    virtual bool GetClientRect(WindowHandle hwnd, Rect& rect) = 0;
    // The record's length field must hold 44 before either call.
    virtual bool GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) = 0;
    virtual bool SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) = 0;
    // The window's previous parent; 0 when the call failed.
    virtual WindowHandle SetParent(WindowHandle child, WindowHandle newParent) = 0;
    // Whether the window was visible before the call.
    virtual bool ShowWindow(WindowHandle hwnd, std::int32_t command) = 0;
    // The notification header at the address a WM_NOTIFY message carries in its second parameter.
    virtual NotifyHeader ReadNotifyHeader(std::intptr_t address) = 0;

    // Common dialogs (comdlg32): true when the user confirmed the dialog.
    virtual bool ChooseColorA(ChooseColorRecord& record) = 0;
    // True when the user confirmed the file dialog; the file and title buffers then hold what it wrote.
    virtual bool GetOpenFileNameA(OpenFileNameRecord& record) = 0;
    virtual bool GetSaveFileNameA(OpenFileNameRecord& record) = 0;
    // True when the user confirmed the dialog (with PD_RETURNDEFAULT: when there is a default printer).
    virtual bool PrintDlgA(PrintDlgRecord& record) = 0;
    // True when the user confirmed the font; the choice is then in the record and its LOGFONT.
    virtual bool ChooseFontA(ChooseFontRecord& record) = 0;

    // Shell (shell32): the chosen item's identifier list, or 0 when the user cancelled.
    virtual std::uintptr_t SHBrowseForFolderA(BrowseInfoRecord& record) = 0;
    // Writes the item's path into a buffer of at least 260 bytes; false when it has none.
    virtual bool SHGetPathFromIDListA(std::uintptr_t idList, char* path) = 0;

    // Carries out a shell request; the record's hInstApp (and hProcess) say what came of it.
    virtual bool ShellExecuteExA(ShellExecuteInfoRecord& record) = 0;
    // The shell's modal about box, with texts already in the ANSI code page.
    virtual std::int32_t ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                                     std::int32_t hIcon) = 0;

    // Kernel objects (kernel32): false when the handle was not open.
    virtual bool CloseHandle(std::uintptr_t handle) = 0;

    // Memory (kernel32, ole32).
    virtual void CoTaskMemFree(std::uintptr_t block) = 0;
    // 0 when the allocation failed.
    virtual std::uintptr_t LocalAlloc(std::uint32_t flags, std::size_t bytes) = 0;
    // 0 when the block was freed.
    virtual std::uintptr_t LocalFree(std::uintptr_t block) = 0;
    // 0 when the block was freed.
    virtual std::uintptr_t GlobalFree(std::uintptr_t block) = 0;
    // In parentheses: the system headers define a macro of this name.
    virtual void (RtlMoveMemory)(void* destination, const void* source, std::size_t bytes) = 0;

    // Automation: a new object of a registered class, reached late-bound.
    virtual Object CreateObject(std::u16string_view progId) = 0;
    // A new standard font object (StdFont), with the system's initial values, reached late-bound.
    virtual Object NewStdFont() = 0;

    // Device contexts (gdi32). Twips (1/1440 inch) per screen pixel, vertically: 15 at 96 dots per inch.
    virtual float ScreenTwipsPerPixelY() = 0;
    // A new device context of the current (the default) printer, the caller's to delete; throws when
    // there is no printer or the context cannot be made.
    virtual std::int32_t CreatePrinterDC() = 0;
    // False when the context was not deleted.
    virtual bool DeleteDC(std::int32_t hdc) = 0;

    // The running library: full path of its own file.
    virtual String LibraryPath() = 0;
    // Its own resources: a string, a picture of a kind above, custom data of a type given by number or
    // name. Each throws ResourceNotFound for a resource the file does not hold.
    virtual String LoadResString(std::int32_t id) = 0;
    virtual Picture LoadResPicture(std::int32_t id, std::int16_t kind) = 0;
    virtual std::vector<std::uint8_t> LoadResData(std::int32_t id, const Variant& type) = 0;

    // The system's ANSI code page, as the ANSI platform functions see text.
    virtual std::string ToAnsi(std::u16string_view text) = 0;
    virtual String FromAnsi(std::string_view text) = 0;
};

}  // namespace cz

// The real platform: the operations of cz::Platform carried out by the system.
#pragma once

#include "platform/platform.h"

namespace cz::win32 {

class Win32Platform final : public Platform {
public:
    bool IsWindow(WindowHandle hwnd) override;
    bool SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) override;
    WindowHandle GetDesktopWindow() override;
    bool GetWindowRect(WindowHandle hwnd, Rect& rect) override;
    bool MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    bool repaint) override;
    WindowHandle GetParent(WindowHandle hwnd) override;
    std::intptr_t SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    WindowHandle GetDlgItem(WindowHandle dialog, std::int32_t id) override;
    bool GetClientRect(WindowHandle hwnd, Rect& rect) override;
    bool GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) override;
    bool SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) override;
    WindowHandle SetParent(WindowHandle child, WindowHandle newParent) override;
    bool ShowWindow(WindowHandle hwnd, std::int32_t command) override;
    NotifyHeader ReadNotifyHeader(std::intptr_t address) override;
    bool ChooseColorA(ChooseColorRecord& record) override;
    bool GetOpenFileNameA(OpenFileNameRecord& record) override;
    bool GetSaveFileNameA(OpenFileNameRecord& record) override;
    bool PrintDlgA(PrintDlgRecord& record) override;
    bool ChooseFontA(ChooseFontRecord& record) override;
    std::uintptr_t SHBrowseForFolderA(BrowseInfoRecord& record) override;
    bool SHGetPathFromIDListA(std::uintptr_t idList, char* path) override;
    bool ShellExecuteExA(ShellExecuteInfoRecord& record) override;
    std::int32_t ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                             std::int32_t hIcon) override;
    bool CloseHandle(std::uintptr_t handle) override;
    void CoTaskMemFree(std::uintptr_t block) override;
    std::uintptr_t LocalAlloc(std::uint32_t flags, std::size_t bytes) override;
    std::uintptr_t LocalFree(std::uintptr_t block) override;
    std::uintptr_t GlobalFree(std::uintptr_t block) override;
    void(RtlMoveMemory)(void* destination, const void* source, std::size_t bytes) override;
    Object CreateObject(std::u16string_view progId) override;
    Object NewStdFont() override;
    float ScreenTwipsPerPixelY() override;
    std::int32_t CreatePrinterDC() override;
    bool DeleteDC(std::int32_t hdc) override;
    String LibraryPath() override;
    String LoadResString(std::int32_t id) override;
    Picture LoadResPicture(std::int32_t id, std::int16_t kind) override;
    std::vector<std::uint8_t> LoadResData(std::int32_t id, const Variant& type) override;
    std::string ToAnsi(std::u16string_view text) override;
    String FromAnsi(std::string_view text) override;
};

// The module's platform object. It holds no state, so one serves every thread.
Win32Platform& platform();

}  // namespace cz::win32

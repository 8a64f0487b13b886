// A platform that hands every operation to another one: the base of test decorators that change one or
// two operations of the real platform (inject a failure, redirect a ProgID) and leave the rest real.
// Portable like the interface it implements: include it before <windows.h>.
#pragma once

#include "platform/platform.h"

namespace cz::testing {

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform& inner) : inner_(inner) {}

    bool IsWindow(WindowHandle hwnd) override { return inner_.IsWindow(hwnd); }
    bool SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) override {
        return inner_.SetWindowTextA(hwnd, ansiText);
    }
    WindowHandle GetDesktopWindow() override { return inner_.GetDesktopWindow(); }
    bool GetWindowRect(WindowHandle hwnd, Rect& rect) override { return inner_.GetWindowRect(hwnd, rect); }
    bool MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    bool repaint) override {
        return inner_.MoveWindow(hwnd, x, y, width, height, repaint);
    }
    WindowHandle GetParent(WindowHandle hwnd) override { return inner_.GetParent(hwnd); }
    std::intptr_t SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        return inner_.SendMessageA(hwnd, message, wParam, lParam);
    }
    WindowHandle GetDlgItem(WindowHandle dialog, std::int32_t id) override { return inner_.GetDlgItem(dialog, id); }
    bool GetClientRect(WindowHandle hwnd, Rect& rect) override { return inner_.GetClientRect(hwnd, rect); }
    bool GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) override {
        return inner_.GetWindowPlacement(hwnd, placement);
    }
    bool SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) override {
        return inner_.SetWindowPlacement(hwnd, placement);
    }
    WindowHandle SetParent(WindowHandle child, WindowHandle newParent) override { return inner_.SetParent(child, newParent); }
    bool ShowWindow(WindowHandle hwnd, std::int32_t command) override { return inner_.ShowWindow(hwnd, command); }
    NotifyHeader ReadNotifyHeader(std::intptr_t address) override { return inner_.ReadNotifyHeader(address); }
    bool ChooseColorA(ChooseColorRecord& record) override { return inner_.ChooseColorA(record); }
    bool GetOpenFileNameA(OpenFileNameRecord& record) override { return inner_.GetOpenFileNameA(record); }
    bool GetSaveFileNameA(OpenFileNameRecord& record) override { return inner_.GetSaveFileNameA(record); }
    bool PrintDlgA(PrintDlgRecord& record) override { return inner_.PrintDlgA(record); }
    bool ChooseFontA(ChooseFontRecord& record) override { return inner_.ChooseFontA(record); }
    std::uintptr_t SHBrowseForFolderA(BrowseInfoRecord& record) override { return inner_.SHBrowseForFolderA(record); }
    bool SHGetPathFromIDListA(std::uintptr_t idList, char* path) override {
        return inner_.SHGetPathFromIDListA(idList, path);
    }
    bool ShellExecuteExA(ShellExecuteInfoRecord& record) override { return inner_.ShellExecuteExA(record); }
    std::int32_t ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                             std::int32_t hIcon) override {
        return inner_.ShellAboutA(hwnd, app, otherStuff, hIcon);
    }
    bool CloseHandle(std::uintptr_t handle) override { return inner_.CloseHandle(handle); }
    void CoTaskMemFree(std::uintptr_t block) override { inner_.CoTaskMemFree(block); }
    std::uintptr_t LocalAlloc(std::uint32_t flags, std::size_t bytes) override { return inner_.LocalAlloc(flags, bytes); }
    std::uintptr_t LocalFree(std::uintptr_t block) override { return inner_.LocalFree(block); }
    std::uintptr_t GlobalFree(std::uintptr_t block) override { return inner_.GlobalFree(block); }
    void (RtlMoveMemory)(void* destination, const void* source, std::size_t bytes) override {
        (inner_.RtlMoveMemory)(destination, source, bytes);
    }
    Object CreateObject(std::u16string_view progId) override { return inner_.CreateObject(progId); }
    Object NewStdFont() override { return inner_.NewStdFont(); }
    float ScreenTwipsPerPixelY() override { return inner_.ScreenTwipsPerPixelY(); }
    std::int32_t CreatePrinterDC() override { return inner_.CreatePrinterDC(); }
    bool DeleteDC(std::int32_t hdc) override { return inner_.DeleteDC(hdc); }
    String LibraryPath() override { return inner_.LibraryPath(); }
    String LoadResString(std::int32_t id) override { return inner_.LoadResString(id); }
    Picture LoadResPicture(std::int32_t id, std::int16_t kind) override { return inner_.LoadResPicture(id, kind); }
    std::vector<std::uint8_t> LoadResData(std::int32_t id, const Variant& type) override {
        return inner_.LoadResData(id, type);
    }
    std::string ToAnsi(std::u16string_view text) override { return inner_.ToAnsi(text); }
    String FromAnsi(std::string_view text) override { return inner_.FromAnsi(text); }

protected:
    Platform& inner_;
};

}  // namespace cz::testing

// A picture window inside a form window of its own: it shows a BMP or ICO file scaled to fit, centred,
// on white, from a back buffer that also answers what colour any point shows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace chooser_preview {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

class PictureWindow {
public:
    // Throws std::runtime_error when the windows cannot be made.
    PictureWindow();
    ~PictureWindow();
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

    HWND form() const { return form_; }
    HWND picture() const { return picture_; }

    bool load(const std::wstring& path);
    void clear();
    const std::wstring& file() const { return file_; }
    SIZE pictureSize() const { return size_; }
    COLORREF pixelAt(int x, int y);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the picture into a back buffer of the window's client size.
    void render();
    void paint();

    HWND form_ = nullptr;
    HWND picture_ = nullptr;
    OwnedBitmap bitmap_;
    OwnedIcon icon_;
    SIZE size_{0, 0};
    std::wstring file_;
    OwnedBitmap buffer_;
    SIZE bufferSize_{0, 0};
};

}  // namespace chooser_preview

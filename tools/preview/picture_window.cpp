#include "picture_window.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/module_lifetime.h"

namespace chooser_preview {
namespace {

constexpr wchar_t kFormClass[] = L"ChooserPreviewForm";
constexpr wchar_t kPictureClass[] = L"ChooserPreviewPicture";

// The two window classes, registered in this process on first use.
void registerClasses(WNDPROC picture) {
    static const bool registered = [picture] {
        WNDCLASSW form{};
        form.lpfnWndProc = DefWindowProcW;
        form.hInstance = cz::win32::module::handle();
        form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        form.lpszClassName = kFormClass;
        WNDCLASSW pane = form;
        pane.lpfnWndProc = picture;
        pane.hbrBackground = nullptr;  // painted from the back buffer
        pane.lpszClassName = kPictureClass;
        return RegisterClassW(&form) != 0 && RegisterClassW(&pane) != 0;
    }();
    if (!registered) throw std::runtime_error("window classes not registered");
}

// The largest size of the picture's proportions that fits the area.
RECT fitted(SIZE picture, SIZE area) {
    if (picture.cx <= 0 || picture.cy <= 0 || area.cx <= 0 || area.cy <= 0) return RECT{0, 0, 0, 0};
    LONG width = area.cx, height = MulDiv(picture.cy, area.cx, picture.cx);
    if (height > area.cy) {
        height = area.cy;
        width = MulDiv(picture.cx, area.cy, picture.cy);
    }
    const LONG left = (area.cx - width) / 2, top = (area.cy - height) / 2;
    return RECT{left, top, left + width, top + height};
}

}  // namespace

PictureWindow::PictureWindow() {
    registerClasses(&PictureWindow::procedure);
    HINSTANCE instance = cz::win32::module::handle();
    form_ = CreateWindowExW(0, kFormClass, L"Preview", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320, 280, nullptr,
                            nullptr, instance, nullptr);
    if (!form_) throw std::runtime_error("no form window");
    picture_ = CreateWindowExW(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 8, 8, 200, 150, form_,
                               nullptr, instance, this);
    if (!picture_) {
        DestroyWindow(form_);
        throw std::runtime_error("no picture window");
    }
    SetWindowLongPtrW(picture_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    render();
}

PictureWindow::~PictureWindow() {
    // The picture window may live in another window by now (a dialog took it in): destroy it on its own.
    SetWindowLongPtrW(picture_, GWLP_USERDATA, 0);
    DestroyWindow(picture_);
    DestroyWindow(form_);
}

bool PictureWindow::load(const std::wstring& path) {
    clear();
    HINSTANCE none = nullptr;
    if (auto* bmp = static_cast<HBITMAP>(LoadImageW(none, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))) {
        bitmap_.reset(bmp);
        BITMAP info{};
        GetObjectW(bmp, sizeof info, &info);
        size_ = SIZE{info.bmWidth, info.bmHeight};
    } else if (auto* ico = static_cast<HICON>(LoadImageW(none, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE))) {
        icon_.reset(ico);
        ICONINFO info{};
        if (GetIconInfo(ico, &info)) {
            BITMAP mask{};
            GetObjectW(info.hbmMask, sizeof mask, &mask);
            size_ = SIZE{mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
            if (info.hbmColor) DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    } else {
        render();
        return false;
    }
    file_ = path;
    render();
    return true;
}

void PictureWindow::clear() {
    bitmap_.reset();
    icon_.reset();
    size_ = SIZE{0, 0};
    file_.clear();
    render();
}

COLORREF PictureWindow::pixelAt(int x, int y) {
    RECT client{};
    GetClientRect(picture_, &client);
    if (client.right != bufferSize_.cx || client.bottom != bufferSize_.cy) render();
    OwnedDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), buffer_.get());
    COLORREF colour = GetPixel(dc.get(), x, y);
    SelectObject(dc.get(), old);
    return colour;
}

void PictureWindow::render() {
    RECT client{};
    GetClientRect(picture_, &client);
    const SIZE area{std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
    HDC screen = GetDC(picture_);
    buffer_.reset(CreateCompatibleBitmap(screen, area.cx, area.cy));
    ReleaseDC(picture_, screen);
    bufferSize_ = area;

    OwnedDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ oldBuffer = SelectObject(dc.get(), buffer_.get());
    RECT all{0, 0, area.cx, area.cy};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT place = fitted(size_, area);
    if (bitmap_) {
        OwnedDc source(CreateCompatibleDC(nullptr));
        HGDIOBJ oldSource = SelectObject(source.get(), bitmap_.get());
        SetStretchBltMode(dc.get(), COLORONCOLOR);
        StretchBlt(dc.get(), place.left, place.top, place.right - place.left, place.bottom - place.top, source.get(), 0,
                   0, size_.cx, size_.cy, SRCCOPY);
        SelectObject(source.get(), oldSource);
    } else if (icon_) {
        DrawIconEx(dc.get(), place.left, place.top, icon_.get(), place.right - place.left, place.bottom - place.top, 0,
                   nullptr, DI_NORMAL);
    }
    SelectObject(dc.get(), oldBuffer);
    InvalidateRect(picture_, nullptr, FALSE);
}

void PictureWindow::paint() {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(picture_, &ps);
    OwnedDc dc(CreateCompatibleDC(target));
    HGDIOBJ old = SelectObject(dc.get(), buffer_.get());
    BitBlt(target, 0, 0, bufferSize_.cx, bufferSize_.cy, dc.get(), 0, 0, SRCCOPY);
    SelectObject(dc.get(), old);
    EndPaint(picture_, &ps);
}

LRESULT CALLBACK PictureWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PictureWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case WM_PAINT:
            self->paint();
            return 0;
        case WM_SIZE:
            self->render();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace chooser_preview

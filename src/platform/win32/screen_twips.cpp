// The screen's resolution in twips (gdi32).
#include <windows.h>

#include "automation/failure.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

namespace {

constexpr float kTwipsPerInch = 1440.0f;

struct ScreenDC {
    HDC dc = GetDC(nullptr);
    ~ScreenDC() {
        if (dc) ReleaseDC(nullptr, dc);
    }
};

}  // namespace

float Win32Platform::ScreenTwipsPerPixelY() {
    ScreenDC screen;
    const int dotsPerInch = screen.dc ? GetDeviceCaps(screen.dc, LOGPIXELSY) : 0;
    if (dotsPerInch <= 0) throw Failure(E_FAIL, u"The screen's resolution cannot be read");
    return kTwipsPerInch / static_cast<float>(dotsPerInch);
}

}  // namespace cz::win32

#include "frame/centring.h"

#include <cmath>

#include "automation/failure.h"

namespace cz {

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) throw Failure(runtime_error::Overflow, u"Overflow");
    return difference;
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw Failure(runtime_error::Overflow, u"Overflow");
    return sum;
}

std::int32_t CentredOffset(std::int32_t extent, std::int32_t size, HalfDifference variant) {
    double half = CheckedSub(extent, size) / 2.0;
    if (variant == HalfDifference::Absolute) half = std::fabs(half);
    // The default rounding mode sends an exact half to the even neighbour: 559.5 -> 560, 558.5 -> 558.
    return static_cast<std::int32_t>(std::nearbyint(half));
}

void CentreWindow(Handler& on, Platform& platform, WindowHandle window, HalfDifference variant) {
    Rect desktop;
    Rect dialog;
    WindowHandle desktopWindow = 0;
    on.step([&] { desktopWindow = platform.GetDesktopWindow(); });
    on.step([&] { platform.GetWindowRect(desktopWindow, desktop); });
    on.step([&] { platform.GetWindowRect(window, dialog); });

    std::int32_t height = 0, width = 0, x = 0, y = 0;
    on.step([&] { height = CheckedSub(dialog.bottom, dialog.top); });
    on.step([&] { width = CheckedSub(dialog.right, dialog.left); });
    on.step([&] { x = CentredOffset(CheckedSub(desktop.right, desktop.left), width, variant); });
    on.step([&] { y = CentredOffset(CheckedSub(desktop.bottom, desktop.top), height, variant); });
    on.step([&] { platform.MoveWindow(window, x, y, width, height, true); });
}

}  // namespace cz

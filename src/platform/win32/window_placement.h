// The portable WINDOWPLACEMENT and the system's, field by field.
#pragma once

#include "platform/win32/handles.h"

namespace cz::win32 {

static_assert(sizeof(WINDOWPLACEMENT) == kWindowPlacementSize);

inline WINDOWPLACEMENT toSystem(const WindowPlacementRecord& p) {
    WINDOWPLACEMENT w{};
    w.length = p.length;
    w.flags = p.flags;
    w.showCmd = p.showCmd;
    w.ptMinPosition = POINT{p.ptMinPosition.x, p.ptMinPosition.y};
    w.ptMaxPosition = POINT{p.ptMaxPosition.x, p.ptMaxPosition.y};
    w.rcNormalPosition = RECT{p.rcNormalPosition.left, p.rcNormalPosition.top, p.rcNormalPosition.right,
                              p.rcNormalPosition.bottom};
    return w;
}

inline WindowPlacementRecord fromSystem(const WINDOWPLACEMENT& w) {
    WindowPlacementRecord p;
    p.length = w.length;
    p.flags = w.flags;
    p.showCmd = w.showCmd;
    p.ptMinPosition = Point{w.ptMinPosition.x, w.ptMinPosition.y};
    p.ptMaxPosition = Point{w.ptMaxPosition.x, w.ptMaxPosition.y};
    p.rcNormalPosition = Rect{w.rcNormalPosition.left, w.rcNormalPosition.top, w.rcNormalPosition.right,
                              w.rcNormalPosition.bottom};
    return p;
}

}  // namespace cz::win32

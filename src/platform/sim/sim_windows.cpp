// The simulated window tree: parents, controls, client areas, placements and visibility.
#include "platform/sim/sim_platform.h"

namespace cz::sim {

WindowHandle SimPlatform::GetDlgItem(WindowHandle dialog, std::int32_t id) {
    enter("GetDlgItem");
    for (const auto& [hwnd, w] : windows_)
        if (w.parent == dialog && w.controlId == id && dialog != 0) return hwnd;
    return 0;
}

bool SimPlatform::GetClientRect(WindowHandle hwnd, Rect& rect) {
    enter("GetClientRect");
    const Window* w = window(hwnd);
    if (!w) return false;
    // The system's RECT arithmetic wraps in 32 bits.
    auto extent = [](std::int32_t from, std::int32_t to) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from));
    };
    rect = w->client.value_or(Rect{0, 0, extent(w->rect.left, w->rect.right), extent(w->rect.top, w->rect.bottom)});
    return true;
}

// As the system does: the record must say it is 44 bytes long, and the normal position is the window's
// rectangle.
bool SimPlatform::GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) {
    enter("GetWindowPlacement");
    placementLengths.push_back(placement.length);
    const Window* w = window(hwnd);
    if (!w || placement.length != kWindowPlacementSize) return false;
    placement.flags = w->placementFlags;
    placement.showCmd = w->showCmd;
    placement.ptMinPosition = Point{-1, -1};
    placement.ptMaxPosition = Point{-1, -1};
    placement.rcNormalPosition = w->rect;
    return true;
}

bool SimPlatform::SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) {
    enter("SetWindowPlacement");
    placementLengths.push_back(placement.length);
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || placement.length != kWindowPlacementSize) return false;
    it->second.rect = placement.rcNormalPosition;
    it->second.placementFlags = placement.flags;
    it->second.showCmd = placement.showCmd;
    return true;
}

WindowHandle SimPlatform::SetParent(WindowHandle child, WindowHandle newParent) {
    enter("SetParent");
    parentChanges.emplace_back(child, newParent);
    auto it = windows_.find(child);
    if (it == windows_.end() || (newParent != 0 && !windows_.count(newParent))) return 0;
    WindowHandle previous = it->second.parent;
    it->second.parent = newParent;
    return previous;
}

bool SimPlatform::ShowWindow(WindowHandle hwnd, std::int32_t command) {
    enter("ShowWindow");
    showCommands.emplace_back(hwnd, command);
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return false;
    bool wasVisible = it->second.visible;
    it->second.visible = command != kShowHide;
    return wasVisible;
}

NotifyHeader SimPlatform::ReadNotifyHeader(std::intptr_t address) {
    enter("ReadNotifyHeader");
    if (address == 0) throw Failure(runtime_error::ObjectNotSet, u"The notification carries no header");
    return *reinterpret_cast<const NotifyHeader*>(address);
}

}  // namespace cz::sim

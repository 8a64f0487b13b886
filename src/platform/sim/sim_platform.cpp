#include "platform/sim/sim_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace cz::sim {

SimPlatform::SimPlatform() { windows_[kDesktop] = {Rect{0, 0, 1920, 1080}, "", 0}; }

const Window* SimPlatform::window(WindowHandle hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

std::uintptr_t SimPlatform::addItem(std::optional<std::string> path) {
    std::uintptr_t id = nextItem_;
    nextItem_ += 0x10;
    items_[id] = std::move(path);
    return id;
}

void SimPlatform::failNext(const std::string& operation, Failure failure, int times) {
    auto& queue = pending_[operation];
    for (int i = 0; i < times; ++i) queue.push_back(failure);
}

int SimPlatform::count(const std::string& operation) const {
    return static_cast<int>(std::count(calls_.begin(), calls_.end(), operation));
}

void SimPlatform::failCall(const std::string& operation, int nth, Failure failure) {
    scheduled_[operation].push_back({nth, std::move(failure)});
}

void SimPlatform::releaseCall(const char* kind, std::uintptr_t handle) {
    // The latest handing out of this handle that is not released yet, else the latest at all (a second
    // release), else none (a stray one).
    Handed* latest = nullptr;
    for (auto it = ledger_.rbegin(); it != ledger_.rend(); ++it) {
        if (it->kind != kind || it->handle != handle) continue;
        if (it->releases == 0) {
            latest = &*it;
            break;
        }
        if (!latest) latest = &*it;
    }
    if (latest)
        ++latest->releases;
    else
        strayReleases_.push_back({kind, handle, 1});
}

std::vector<std::string> SimPlatform::accountingFaults() const {
    auto describe = [](const Handed& h, const char* what) {
        char text[64];
        std::snprintf(text, sizeof text, " 0x%llx ", static_cast<unsigned long long>(h.handle));
        return h.kind + text + what + std::to_string(h.releases) + " times";
    };
    std::vector<std::string> faults;
    for (const auto& h : ledger_)
        if (h.releases != 1) faults.push_back(describe(h, "released "));
    for (const auto& h : strayReleases_) faults.push_back(describe(h, "never handed out, released "));
    return faults;
}

void SimPlatform::enter(const std::string& operation) {
    calls_.push_back(operation);
    log_.push_back({operation, ++callCounts_[operation], dialogDepth_ > 0});
    if (auto due = scheduled_.find(operation); due != scheduled_.end()) {
        for (auto& call : due->second) --call.remaining;
        for (auto it = due->second.begin(); it != due->second.end(); ++it) {
            if (it->remaining != 0) continue;
            Failure failure = it->failure;
            due->second.erase(it);
            throw failure;
        }
    }
    auto it = pending_.find(operation);
    if (it == pending_.end() || it->second.empty()) return;
    Failure failure = it->second.front();
    it->second.erase(it->second.begin());
    throw failure;
}

WindowHandle SimPlatform::openDialog() {
    WindowHandle dialog = nextWindow_++;
    windows_[dialog] = {nextDialogRect, defaultDialogCaption, 0};
    return dialog;
}

bool SimPlatform::IsWindow(WindowHandle hwnd) {
    enter("IsWindow");
    return windows_.count(hwnd) != 0;
}

bool SimPlatform::SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) {
    enter("SetWindowTextA");
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return false;
    it->second.caption = ansiText;
    return true;
}

WindowHandle SimPlatform::GetDesktopWindow() {
    enter("GetDesktopWindow");
    return kDesktop;
}

bool SimPlatform::GetWindowRect(WindowHandle hwnd, Rect& rect) {
    enter("GetWindowRect");
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return false;
    rect = it->second.rect;
    return true;
}

WindowHandle SimPlatform::GetParent(WindowHandle hwnd) {
    enter("GetParent");
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? 0 : it->second.parent;
}

bool SimPlatform::MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, bool) {
    enter("MoveWindow");
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return false;
    // A window reaching past the 32-bit range keeps its edge modulo 2^32, as the system's RECT would.
    auto edge = [](std::int32_t origin, std::int32_t extent) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(origin) + static_cast<std::uint32_t>(extent));
    };
    it->second.rect = Rect{x, y, edge(x, width), edge(y, height)};
    return true;
}

std::intptr_t SimPlatform::SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    enter("SendMessageA");
    std::string text;
    if ((message == msg::BrowseSetStatusText || message == msg::BrowseSetSelection) && lParam != 0)
        text = reinterpret_cast<const char*>(lParam);
    sentMessages.push_back({hwnd, message, wParam, lParam, text});
    if (message == msg::GetFilePath && openFile_ && hwnd == openFile_->dialog) return answerGetFilePath(wParam, lParam);
    return 0;
}

bool SimPlatform::ChooseColorA(ChooseColorRecord& record) {
    enter("ChooseColorA");
    DialogOpen open{*this};
    ColourDialogRun run{record, {}, openDialog(), {}};
    if (record.lpCustColors) std::copy_n(record.lpCustColors, 16, run.customColours.begin());
    // The platform calls the hook only when the record enables it.
    if ((record.Flags & kColourEnableHook) && record.lpfnHook)
        record.lpfnHook(run.dialog, msg::InitDialog, 0, reinterpret_cast<std::intptr_t>(&record));
    run.shown = windows_[run.dialog];
    bool confirmed = colourUser ? colourUser(record, run.dialog) : false;
    windows_.erase(run.dialog);
    colourDialogs.push_back(run);
    return confirmed;
}

std::uintptr_t SimPlatform::SHBrowseForFolderA(BrowseInfoRecord& record) {
    enter("SHBrowseForFolderA");
    DialogOpen open{*this};
    FolderDialogRun run{record, openDialog(), {}};
    if (record.lpfn) record.lpfn(run.dialog, msg::BrowseInitialized, 0, record.lParam);
    run.shown = windows_[run.dialog];
    std::uintptr_t chosen = folderUser ? folderUser(record, run.dialog) : 0;
    if (chosen) handOut("item list", chosen);
    windows_.erase(run.dialog);
    folderDialogs.push_back(run);
    return chosen;
}

bool SimPlatform::SHGetPathFromIDListA(std::uintptr_t idList, char* path) {
    enter("SHGetPathFromIDListA");
    auto it = items_.find(idList);
    if (it == items_.end() || !it->second) return false;
    std::memcpy(path, it->second->c_str(), it->second->size() + 1);
    return true;
}

void SimPlatform::CoTaskMemFree(std::uintptr_t block) {
    releaseCall("item list", block);
    enter("CoTaskMemFree");
    ++itemListFrees[block];
}

std::uintptr_t SimPlatform::LocalAlloc(std::uint32_t flags, std::size_t bytes) {
    enter("LocalAlloc");
    if (allocationsFail) return 0;
    auto memory = std::make_unique<char[]>(bytes);
    std::memset(memory.get(), (flags & kLocalZeroInit) ? 0 : 0xCD, bytes);
    auto address = reinterpret_cast<std::uintptr_t>(memory.get());
    localBlocks_[address] = std::move(memory);
    localBlockSizes.push_back(bytes);
    handOut("local block", address);
    return address;
}

std::uintptr_t SimPlatform::LocalFree(std::uintptr_t block) {
    releaseCall("local block", block);
    enter("LocalFree");
    ++localFrees[block];
    auto it = localBlocks_.find(block);
    if (it == localBlocks_.end()) return block;  // not a live block: the system reports failure
    localBlockContents.emplace_back(it->second.get());
    localBlocks_.erase(it);
    return 0;
}

void SimPlatform::RtlMoveMemory(void* destination, const void* source, std::size_t bytes) {
    enter("RtlMoveMemory");
    std::memmove(destination, source, bytes);
}

Object SimPlatform::CreateObject(std::u16string_view progId) {
    enter("CreateObject");
    auto it = classes_.find(String(progId));
    if (it == classes_.end())
        throw Failure(runtime_error::CantCreateObject, u"ActiveX component can't create object: '" + String(progId) + u"'");
    return it->second();
}

String SimPlatform::LibraryPath() {
    enter("LibraryPath");
    return libraryPath_;
}

// The simulated code page is Windows-1252 as far as Latin-1 goes; everything else becomes '?', as the
// system's conversion does for characters the code page lacks. See doubleByteCodePage for the other one.
std::string SimPlatform::ToAnsi(std::u16string_view text) {
    enter("ToAnsi");
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (!doubleByteCodePage) {
            out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
        } else if (c < 0x80 || c >= 0x8000 || (c & 0xFF) == 0) {
            out.push_back(c < 0x80 ? static_cast<char>(c) : '?');  // a trail byte is never zero
        } else {
            out.push_back(static_cast<char>(0x80 | (c >> 8)));
            out.push_back(static_cast<char>(c & 0xFF));
        }
    }
    return out;
}

String SimPlatform::FromAnsi(std::string_view text) {
    enter("FromAnsi");
    String out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!doubleByteCodePage || byte < 0x80) {
            out.push_back(static_cast<char16_t>(byte));
        } else if (i + 1 < text.size()) {
            out.push_back(static_cast<char16_t>(((byte & 0x7F) << 8) | static_cast<unsigned char>(text[++i])));
        } else {
            out.push_back(u'?');  // a lead byte without its trail byte
        }
    }
    return out;
}

}  // namespace cz::sim

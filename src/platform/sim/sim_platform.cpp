#include "platform/sim/sim_platform.h"

#include <algorithm>

namespace cz::sim {

void SimPlatform::failNext(const std::string& operation, Failure failure, int times) {
    auto& queue = pending_[operation];
    for (int i = 0; i < times; ++i) queue.push_back(failure);
}

int SimPlatform::count(const std::string& operation) const {
    return static_cast<int>(std::count(calls_.begin(), calls_.end(), operation));
}

void SimPlatform::enter(const std::string& operation) {
    calls_.push_back(operation);
    auto it = pending_.find(operation);
    if (it == pending_.end() || it->second.empty()) return;
    Failure failure = it->second.front();
    it->second.erase(it->second.begin());
    throw failure;
}

bool SimPlatform::IsWindow(std::int32_t hwnd) {
    enter("IsWindow");
    return windows_.count(hwnd) != 0;
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
// system's best-fit conversion does for characters the code page lacks.
std::string SimPlatform::ToAnsi(std::u16string_view text) {
    enter("ToAnsi");
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    return out;
}

String SimPlatform::FromAnsi(std::string_view text) {
    enter("FromAnsi");
    String out;
    out.reserve(text.size());
    for (char c : text) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace cz::sim

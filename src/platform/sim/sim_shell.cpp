// The simulated shell requests, about box and process handles, and the library's own resources.
#include "platform/sim/sim_platform.h"

namespace cz::sim {

std::uintptr_t SimPlatform::addProcessHandle() {
    std::uintptr_t handle = nextHandle_;
    nextHandle_ += 4;
    handles_.insert(handle);
    return handle;
}

bool SimPlatform::ShellExecuteExA(ShellExecuteInfoRecord& record) {
    enter("ShellExecuteExA");
    shellRequests.push_back(record);
    if (shellUser) return shellUser(record);
    record.hInstApp = 42;
    return true;
}

std::int32_t SimPlatform::ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                                      std::int32_t hIcon) {
    enter("ShellAboutA");
    shellAbouts.push_back({hwnd, app, otherStuff, hIcon});
    return shellAboutResult;
}

bool SimPlatform::CloseHandle(std::uintptr_t handle) {
    enter("CloseHandle");
    ++handleCloses[handle];
    return handles_.erase(handle) != 0;
}

String SimPlatform::LoadResString(std::int32_t id) {
    enter("LoadResString");
    resourceLoads.push_back({"string", id, 0, Empty{}});
    auto it = resourceStrings.find(id);
    if (it == resourceStrings.end()) throw ResourceNotFound(id);
    return it->second;
}

Picture SimPlatform::LoadResPicture(std::int32_t id, std::int16_t kind) {
    enter("LoadResPicture");
    resourceLoads.push_back({"picture", id, kind, Empty{}});
    auto it = resourcePictures.find({id, kind});
    if (it == resourcePictures.end()) throw ResourceNotFound(id);
    return it->second;
}

std::vector<std::uint8_t> SimPlatform::LoadResData(std::int32_t id, const Variant& type) {
    enter("LoadResData");
    resourceLoads.push_back({"data", id, 0, type});
    auto it = resourceData.find(id);
    if (it == resourceData.end()) throw ResourceNotFound(id);
    return it->second;
}

}  // namespace cz::sim

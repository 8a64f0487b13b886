// Owners of what the platform hands out, so every path out of a member releases it exactly once.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace cz {

// Releases a handle through one platform call when it goes out of scope, unless released before.
template <auto Release, class Handle = std::uintptr_t>
class Owned {
public:
    explicit Owned(Platform& platform, Handle handle = 0) : platform_(platform), handle_(handle) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }
    void reset(Handle handle = 0) {
        Handle old = handle_;
        handle_ = handle;
        if (old == 0) return;
        try {
            (platform_.*Release)(old);
        } catch (...) {
            // Nothing can be done about a block the system will not take back.
        }
    }

private:
    Platform& platform_;
    Handle handle_;
};

// A LocalAlloc block.
using LocalBlock = Owned<&Platform::LocalFree>;
// A GlobalAlloc block.
using GlobalBlock = Owned<&Platform::GlobalFree>;
// A kernel object handle (a process the shell started).
using KernelHandle = Owned<&Platform::CloseHandle>;
// A shell item-identifier list, freed with CoTaskMemFree.
using ItemIdList = Owned<&Platform::CoTaskMemFree>;
// A device context the library made, deleted with DeleteDC.
using DeviceContext = Owned<&Platform::DeleteDC, std::int32_t>;

}  // namespace cz

#include "platform/win32/module_lifetime.h"

#include <new>
#include <vector>

namespace cz::win32::module {
namespace {

// The counts COM asks about; nothing else in the module is global.
LONG liveObjects = 0;
LONG serverLocks = 0;

// Lives in this module's image, so its address names the module.
const char anchor = 0;

}  // namespace

void objectCreated() noexcept { InterlockedIncrement(&liveObjects); }
void objectDestroyed() noexcept { InterlockedDecrement(&liveObjects); }
void lockServer(bool lock) noexcept {
    if (lock) {
        InterlockedIncrement(&serverLocks);
        return;
    }
    // An unlock without a lock is the client's mistake: it must not leave the module locked for ever.
    for (LONG held = InterlockedCompareExchange(&serverLocks, 0, 0); held > 0;) {
        LONG seen = InterlockedCompareExchange(&serverLocks, held - 1, held);
        if (seen == held) return;
        held = seen;
    }
}

bool inUse() noexcept {
    return InterlockedCompareExchange(&liveObjects, 0, 0) != 0 || InterlockedCompareExchange(&serverLocks, 0, 0) != 0;
}

HMODULE handle() noexcept {
    HMODULE result = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&anchor), &result);
    return result;
}

String path() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(handle(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return String();
        if (length < buffer.size()) return String(reinterpret_cast<const char16_t*>(buffer.data()), length);
        buffer.resize(buffer.size() * 2);  // truncated: try a larger buffer
    }
}

}  // namespace cz::win32::module

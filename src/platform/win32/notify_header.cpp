// The NMHDR a WM_NOTIFY message points to, copied out field by field: the system's record holds a
// pointer-sized handle and identifier, so it is 12 bytes only in a 32-bit process.
#include "automation/failure.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

#include <commctrl.h>

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(NMHDR) == 12);
#endif

NotifyHeader Win32Platform::ReadNotifyHeader(std::intptr_t address) {
    if (address == 0) throw Failure(runtime_error::ObjectNotSet, u"The notification carries no header");
    NMHDR header{};
    ::RtlMoveMemory(&header, reinterpret_cast<const void*>(address), sizeof header);
    return NotifyHeader{HandleToLong(header.hwndFrom), header.idFrom, static_cast<std::int32_t>(header.code)};
}

}  // namespace cz::win32

// The folder browser and item paths (shell32).
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(BROWSEINFOA) == 32);
#endif

std::uintptr_t Win32Platform::SHBrowseForFolderA(BrowseInfoRecord& record) {
    // The display-name buffer goes out with its full length and comes back the same length.
    std::string displayName = ToAnsi(record.pszDisplayName);
    displayName.resize(std::max<std::size_t>(displayName.size(), MAX_PATH), '\0');
    std::string title = ToAnsi(record.lpszTitle);

    BROWSEINFOA bi{};
    bi.hwndOwner = toHwnd(record.hwndOwner);
    bi.pidlRoot = reinterpret_cast<PCIDLIST_ABSOLUTE>(record.pidlRoot);
    bi.pszDisplayName = displayName.data();
    bi.lpszTitle = title.c_str();
    bi.ulFlags = record.ulFlags;
    bi.lpfn = asSystemProcedure<BFFCALLBACK>(record.lpfn);
    bi.lParam = record.lParam;
    bi.iImage = record.iImage;

    PIDLIST_ABSOLUTE chosen = systemFunction<decltype(&::SHBrowseForFolderA)>(kShell, "SHBrowseForFolderA")(&bi);
    record.pszDisplayName = FromAnsi(std::string_view(displayName).substr(0, record.pszDisplayName.size()));
    record.iImage = bi.iImage;
    return reinterpret_cast<std::uintptr_t>(chosen);
}

bool Win32Platform::SHGetPathFromIDListA(std::uintptr_t idList, char* path) {
    auto getPath = systemFunction<decltype(&::SHGetPathFromIDListA)>(kShell, "SHGetPathFromIDListA");
    return getPath(reinterpret_cast<PCIDLIST_ABSOLUTE>(idList), path) != FALSE;
}

}  // namespace cz::win32

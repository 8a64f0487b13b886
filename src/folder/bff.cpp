#include "folder/bff.h"

#include <array>

#include "folder/folder_callback.h"
#include "frame/errors.h"
#include "frame/far_proc.h"
#include "frame/handler.h"
#include "frame/hook_state.h"
#include "platform/owned.h"

namespace cz {

clsZqPickerBFFA::clsZqPickerBFFA(Platform& platform) : platform_(platform) {}

void clsZqPickerBFFA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::BrowseForFolder, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrBrowseForFolder_InvalidWindowHandle);
    hwndOwner_ = value;
}

void clsZqPickerBFFA::Init(const String& initialPath, std::int32_t hwndOwner, const String& dialogTitle,
                           std::int32_t flags) {
    Handler on{platform_, class_constant::BrowseForFolder, u"Init"};
    initialPath_ = initialPath;
    dialogTitle_ = dialogTitle;
    ValidateOwner(on, platform_, hwndOwner, eErrBrowseForFolder_InvalidWindowHandle);
    hwndOwner_ = hwndOwner;
    flags_ = flags;
}

Bool clsZqPickerBFFA::Browse() {
    Handler on{platform_, class_constant::BrowseForFolder, u"Browse"};
    bool chosen = false;

    BrowseInfoRecord rec{};
    rec.hwndOwner = hwndOwner_;
    rec.pidlRoot = rootItem_;
    rec.pszDisplayName = displayName_;
    rec.lpszTitle = dialogTitle_;
    rec.ulFlags = static_cast<std::uint32_t>(flags_);
    rec.lpfn = FarProc(&FolderBrowserCallbackProc);

    // The callback preselects the initial folder from a zero-terminated ANSI copy that lives while the
    // dialog is open; the property itself stays as the client set it.
    LocalBlock initialPath{platform_};
    if (!initialPath_.empty()) {
        std::string ansi;
        on.step([&] { ansi = platform_.ToAnsi(initialPath_); });
        on.step([&] { initialPath.reset(platform_.LocalAlloc(kLocalZeroInit, ansi.size() + 1)); });
        if (initialPath) {
            on.step([&] { platform_.RtlMoveMemory(reinterpret_cast<void*>(initialPath.get()), ansi.data(), ansi.size()); });
        }
    }
    rec.lParam = static_cast<std::intptr_t>(initialPath.get());
    rec.iImage = imageIndex_;

    ItemIdList item{platform_};
    {
        HookPlatformScope callbacks{platform_};
        on.step([&] { item.reset(platform_.SHBrowseForFolderA(rec)); });
    }
    if (item) {
        std::array<char, 512> path{};
        if (on.test([&] { return !platform_.SHGetPathFromIDListA(item.get(), path.data()); })) {
            // No file-system path: release everything, then tell the client.
            item.reset();
            initialPath.reset();
            on.raise(eErrBrowseForFolder_CantGetPath, kCantGetPath);
        }
        on.step([&] { selectedPath_ = platform_.FromAnsi(path.data()); });
        chosen = true;
        item.reset();
    }
    initialPath.reset();
    return toBool(chosen);
}

}  // namespace cz

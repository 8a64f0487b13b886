// clsZqPickerBFFA: the shell's folder-selection dialog.
#pragma once

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

enum EBrowseForFolderFlags : std::int32_t {
    eBrowseForFolderFlag_ReturnOnlyFSDirs = 1,
    eBrowseForFolderFlag_DontGoBelowDomain = 2,
    eBrowseForFolderFlag_StatusText = 4,
    eBrowseForFolderFlag_ReturnFSAncestors = 8,
    eBrowseForFolderFlag_EditBox = 16,
    eBrowseForFolderFlag_Validate = 32,
    eBrowseForFolderFlag_UseNewUI = 64,
    eBrowseForFolderFlag_BrowseForComputer = 4096,
    eBrowseForFolderFlag_BrowseForPrinter = 8192,
    eBrowseForFolderFlag_IncludeFiles = 16384,
};

class clsZqPickerBFFA {
public:
    explicit clsZqPickerBFFA(Platform& platform);

    std::int32_t Flags() const { return flags_; }
    void Flags(std::int32_t value) { flags_ = value; }
    const String& DialogTitle() const { return dialogTitle_; }
    void DialogTitle(const String& value) { dialogTitle_ = value; }
    const String& InitialPath() const { return initialPath_; }
    void InitialPath(const String& value) { initialPath_ = value; }
    const String& SelectedPath() const { return selectedPath_; }
    std::int32_t HWndOwner() const { return hwndOwner_; }
    void HWndOwner(std::int32_t value);

    void Init(const String& initialPath, std::int32_t hwndOwner, const String& dialogTitle, std::int32_t flags);
    // Shows the dialog; True when the user chose a folder, whose path SelectedPath then holds.
    Bool Browse();

private:
    Platform& platform_;
    std::int32_t flags_ = eBrowseForFolderFlag_ReturnOnlyFSDirs | eBrowseForFolderFlag_StatusText |
                          eBrowseForFolderFlag_UseNewUI;
    std::int32_t hwndOwner_ = 0;
    String initialPath_;
    String dialogTitle_;
    String selectedPath_;
    String displayName_ = String(512, u'\0');  // receives the chosen item's display name; never read
    std::uintptr_t rootItem_ = 0;              // 0: the tree starts at the desktop
    std::int32_t imageIndex_ = 0;
};

}  // namespace cz

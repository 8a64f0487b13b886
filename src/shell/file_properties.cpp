#include "shell/file_properties.h"

#include "platform/owned.h"

namespace cz {

void clsZqPickerFilePpsA::DisplayFileProperties(std::int32_t HWNOwner, const String& sFullFileAndPathName) {
    ShowProperties(sFullFileAndPathName, HWNOwner);
}

std::int32_t clsZqPickerFilePpsA::ShowProperties(const String& FileName, std::int32_t OwnerhWnd) {
    ShellExecuteInfoRecord rec{};
    rec.cbSize = 60;
    rec.fMask = kShellInvokeIdList | kShellNoCloseProcess | kShellFlagNoUi;
    rec.hwnd = OwnerhWnd;
    rec.lpVerb = u"properties";
    rec.lpFile = FileName;
    rec.lpParameters = String();  // empty, not null
    rec.lpDirectory = String();
    rec.nShow = 0;
    rec.hInstApp = 0;

    platform_.ShellExecuteExA(rec);  // the shell's verdict is in hInstApp
    // A process the shell may hand back under SEE_MASK_NOCLOSEPROCESS: nothing reads it, so it is closed
    // at once rather than leaked.
    KernelHandle process{platform_, rec.hProcess};
    return rec.hInstApp;
}

Variant clsZqPickerFilePpsA::ShowAbout(std::int32_t HWndOwner, const String& AppName, const String& Message,
                                       std::int32_t hIcon) {
    std::string app = platform_.ToAnsi(AppName);
    std::string message = platform_.ToAnsi(Message);
    platform_.ShellAboutA(HWndOwner, app, message, hIcon);
    return Empty{};
}

}  // namespace cz

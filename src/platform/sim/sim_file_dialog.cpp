// The simulated file open and save dialogs.
#include "platform/sim/sim_platform.h"

#include <algorithm>

namespace cz::sim {

bool SimPlatform::writeResult(String& buffer, std::uint32_t capacity, std::u16string_view result) {
    if (result.size() + 1 > capacity || result.size() + 1 > buffer.size()) return false;
    std::copy(result.begin(), result.end(), buffer.begin());
    buffer[result.size()] = u'\0';
    return true;
}

bool SimPlatform::runFileDialog(OpenFileNameRecord& record, bool save) {
    DialogOpen open{*this};
    FileDialogRun run{record, save, openDialog(), 0, {}};
    // The explorer-style dialog hands its hook a child dialog inside the real one; the old style hands
    // it the dialog itself.
    run.hooked = run.dialog;
    if (record.Flags & kFileExplorer) {
        run.hooked = nextWindow_++;
        windows_[run.hooked] = {Rect{}, "", run.dialog};
    }
    if ((record.Flags & kFileEnableHook) && record.lpfnHook)
        record.lpfnHook(run.hooked, msg::InitDialog, 0, reinterpret_cast<std::intptr_t>(&record));
    run.shown = windows_[run.dialog];
    bool confirmed = fileUser ? fileUser(record, run.dialog) : false;
    windows_.erase(run.hooked);
    windows_.erase(run.dialog);
    fileDialogs.push_back(run);
    return confirmed;
}

bool SimPlatform::GetOpenFileNameA(OpenFileNameRecord& record) {
    enter("GetOpenFileNameA");
    return runFileDialog(record, false);
}

bool SimPlatform::GetSaveFileNameA(OpenFileNameRecord& record) {
    enter("GetSaveFileNameA");
    return runFileDialog(record, true);
}

}  // namespace cz::sim

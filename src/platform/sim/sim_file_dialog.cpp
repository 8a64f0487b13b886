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
    const bool hooked = (record.Flags & kFileEnableHook) && record.lpfnHook;
    WindowHandle fileList = 0;
    if (record.Flags & kFileExplorer) {
        fileList = nextWindow_++;
        windows_[fileList] = {fileListArea, "", run.dialog, kFileListControl};
    }
    if (hooked) record.lpfnHook(run.hooked, msg::InitDialog, 0, reinterpret_cast<std::intptr_t>(&record));
    // The explorer-style dialog tells its hook when it has started, and the hook's window is destroyed
    // when it closes.
    if (hooked && (record.Flags & kFileExplorer)) {
        openFile_ = OpenFileDialog{record.lpfnHook, run.hooked, run.dialog, {}, {}};
        notifyFileHook(msg::FileInitDone);
    }
    run.shown = windows_[run.dialog];
    bool confirmed = fileUser ? fileUser(record, run.dialog) : false;
    if (openFile_) {
        openFile_->hook(run.hooked, msg::Destroy, 0, 0);
        openFile_.reset();
    }
    windows_.erase(fileList);
    windows_.erase(run.hooked);
    windows_.erase(run.dialog);
    fileDialogs.push_back(run);
    return confirmed;
}

void SimPlatform::notifyFileHook(std::int32_t code) {
    if (!openFile_) return;
    NotifyHeader header{openFile_->dialog, 0, code};
    openFile_->hook(openFile_->hooked, msg::Notify, 0, notification(header));
}

void SimPlatform::highlight(std::string path, std::optional<std::intptr_t> reportedLength) {
    if (!openFile_) return;
    openFile_->highlighted = std::move(path);
    openFile_->reportedLength = reportedLength;
    notifyFileHook(msg::FileSelectionChanged);
}

std::intptr_t SimPlatform::answerGetFilePath(std::uintptr_t room, std::intptr_t buffer) const {
    if (!openFile_ || openFile_->highlighted.empty()) return 0;
    const std::string& path = openFile_->highlighted;
    if (room > 0 && buffer != 0) {
        std::size_t written = std::min<std::size_t>(path.size(), room - 1);
        char* out = reinterpret_cast<char*>(buffer);
        std::copy_n(path.data(), written, out);
        out[written] = '\0';
    }
    return openFile_->reportedLength.value_or(static_cast<std::intptr_t>(path.size() + 1));
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

#include "file/explorer_hook.h"

#include <algorithm>
#include <string>

#include "automation/failure.h"

#include "file/split_file_extension.h"
#include "frame/centring.h"
#include "frame/hooks.h"
#include "frame/long_value.h"

namespace cz {
namespace {

// The selection report's first buffer: the dialog writes at most 255 bytes and the terminating NUL.
constexpr std::uintptr_t kPathBufferSize = 255;

// One message to the hook. H is the child dialog the platform made for the hook; D, the dialog box
// itself, is its parent.
class ExplorerHook {
public:
    ExplorerHook(Handler& on, Platform& platform, WindowHandle hooked)
        : on_(on), platform_(platform), state_(hookState()) {
        on_.step([&] { dialog_ = platform_.GetParent(hooked); });
    }

    void Start() {
        if (state_.FileCenterDialog != False) CentreWindow(on_, platform_, dialog_, HalfDifference::Signed);
    }

    void Notify(std::intptr_t headerAddress) {
        NotifyHeader header;
        on_.step([&] { header = platform_.ReadNotifyHeader(headerAddress); });
        Deliver(u"", u"");
        if (state_.PreviewEnabled == False) return;
        if (header.code == msg::FileInitDone) LayOutPane();
        else if (header.code == msg::FileSelectionChanged) ReportSelection();
    }

    void Close() {
        if (state_.PreviewEnabled == False) return;
        Deliver(u"", u"");
        on_.step([&] { platform_.ShowWindow(PreviewWindow(), kShowHide); });
        on_.step([&] { platform_.SetParent(PreviewWindow(), state_.PreviewHostParent); });
    }

private:
    // Lifts the client's preview window into the dialog below the file list and makes the dialog
    // taller by the window's height.
    void LayOutPane() {
        if (!state_.PreviewHost) return;
        WindowHandle list = 0;
        Rect listArea{};
        on_.step([&] { list = platform_.GetDlgItem(dialog_, kFileListControl); });
        on_.step([&] { platform_.GetClientRect(list, listArea); });
        WindowPlacementRecord placement;
        placement.length = kWindowPlacementSize;
        on_.step([&] { platform_.GetWindowPlacement(dialog_, placement); });
        on_.step([&] { Host()->put(u"ScaleMode", std::int16_t{1}); });
        WindowHandle preview = 0;
        std::int32_t previewHeight = 0;
        on_.step([&] { preview = PreviewWindow(); });
        on_.step([&] {
            Rect area{};
            platform_.GetClientRect(preview, area);
            previewHeight = CheckedSub(area.bottom, area.top);
        });
        on_.step([&] {
            placement.rcNormalPosition.bottom = CheckedAdd(placement.rcNormalPosition.bottom, previewHeight);
        });
        on_.step([&] { platform_.SetParent(preview, dialog_); });
        on_.step([&] {
            platform_.MoveWindow(preview, 5, CheckedAdd(listArea.bottom, 104), CheckedAdd(listArea.right, 5),
                                 CheckedSub(previewHeight, 5), true);
        });
        on_.step([&] { platform_.ShowWindow(preview, kShowNormal); });
        on_.step([&] { platform_.SetWindowPlacement(dialog_, placement); });
    }

    // Tells the client which item is highlighted now: ("", ""), then the path and its extension.
    void ReportSelection() {
        String path;
        on_.step([&] { path = HighlightedPath(); });
        Deliver(u"", u"");
        String extension = SplitFileExtension(path);
        Deliver(path, extension);
    }

    // The dialog's path of the highlighted item. A path that does not fit the first buffer is asked for
    // again with room for all of it, so the client hears the whole path; what comes back is cut at the
    // length the dialog reports and at the first NUL, never reaching past what the dialog wrote.
    String HighlightedPath() {
        std::string buffer(kPathBufferSize + 1, '\0');
        std::intptr_t length = Ask(buffer, kPathBufferSize);
        if (length - 1 >= static_cast<std::intptr_t>(kPathBufferSize)) {
            buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
            length = Ask(buffer, static_cast<std::uintptr_t>(length));
        }
        if (length - 1 < 0) throw Failure(runtime_error::InvalidProcedureCall, u"Invalid procedure call or argument");
        const std::size_t reported = std::min<std::size_t>(static_cast<std::size_t>(length - 1), buffer.size() - 1);
        buffer.resize(std::min(reported, buffer.find('\0')));
        return platform_.FromAnsi(buffer);
    }

    std::intptr_t Ask(std::string& buffer, std::uintptr_t room) {
        return platform_.SendMessageA(dialog_, msg::GetFilePath, room, reinterpret_cast<std::intptr_t>(buffer.data()));
    }

    // Calls RaisePreviewItemChanged on the registered sender. A handler may change the module state
    // while it runs, so the call holds a reference of its own.
    void Deliver(const String& fileName, const String& fileTitle) {
        on_.step([&] {
            Object sender = state_.PreviewSender;
            std::vector<Arg> args{{fileName}, {fileTitle}};
            use(sender).call(u"RaisePreviewItemChanged", args);
        });
    }

    Object Host() const {
        Object host = state_.PreviewHost;
        use(host);
        return host;
    }
    // Read afresh each time: the client may have recreated its window.
    WindowHandle PreviewWindow() const { return LongValue(Host()->get(u"hwnd")); }

    Handler& on_;
    Platform& platform_;
    HookState& state_;
    WindowHandle dialog_ = 0;
};

}  // namespace

std::uintptr_t CZ_CALLBACK FileExplorerHookProc(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t,
                                                std::intptr_t lParam) {
    if (hwnd == 0) return 0;
    if (message != msg::InitDialog && message != msg::Notify && message != msg::Destroy) return 0;
    RunHook([&](Handler& on, Platform& platform) {
        ExplorerHook hook{on, platform, static_cast<WindowHandle>(hwnd)};
        if (message == msg::InitDialog) hook.Start();
        else if (message == msg::Notify) hook.Notify(lParam);
        else hook.Close();
    });
    return 0;
}

}  // namespace cz

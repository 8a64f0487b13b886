#include "file/file_dialog.h"

#include "file/explorer_hook.h"
#include "frame/errors.h"
#include "frame/far_proc.h"
#include "frame/handler.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"
#include "frame/long_value.h"
#include "frame/preview_registration.h"

namespace cz {
namespace {

// The file buffer holds a multiple selection of hundreds of long names, so it is far larger than one
// path. It starts empty: the dialog shows whatever the buffer starts with in its file-name box.
constexpr std::uint32_t kFileBufferChars = 65536;
// The title buffer: the current FileTitle, cut to fit, then NULs.
constexpr std::size_t kTitleBufferChars = 1024;
constexpr std::uint32_t kMaxFileTitle = 255;

// Filter "Text|*.txt" becomes "Text", NUL, "*.txt", NUL, NUL: each bar a NUL, then two more.
String FilterBuffer(const String& filter) {
    String buffer;
    buffer.reserve(filter.size() + 2);
    for (char16_t c : filter) buffer.push_back(c == u'|' ? u'\0' : c);
    buffer.append(2, u'\0');
    return buffer;
}

String FileBuffer() { return String(kFileBufferChars, u'\0'); }

String TitleBuffer(const String& fileTitle) {
    String buffer = fileTitle.substr(0, kTitleBufferChars);
    buffer.resize(kTitleBufferChars, u'\0');
    return buffer;
}

}  // namespace

clsZqPickerFileOpenSaveA::clsZqPickerFileOpenSaveA(Platform& platform, SelfReference self, PreviewEvent event)
    : platform_(platform), self_(std::move(self)), previewEvent_(std::move(event)) {}

void clsZqPickerFileOpenSaveA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::FileOpenSave, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrFileOpenSaveDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

void clsZqPickerFileOpenSaveA::ShowPreview(Bool value) {
    Handler on{platform_, class_constant::FileOpenSave, u"ShowPreview"};
    showPreview_ = value;
    on.step([&] { SetPreviewEnabled(value); });
}

void clsZqPickerFileOpenSaveA::Init(const String& filter, std::int16_t defaultFilter, const String& initialDir,
                                    const String& fileName, const String& dialogTitle, std::int32_t hwndOwner,
                                    std::int32_t flags, Bool showPreview, const Object& previewObject) {
    Handler on{platform_, class_constant::FileOpenSave, u"Init"};
    filter_ = filter;
    defaultFilter_ = defaultFilter;
    fileName_ = fileName;
    dialogTitle_ = dialogTitle;
    initialDir_ = initialDir;
    ShowPreview(showPreview);
    on.step([&] { SetPreviewSender(Self()); });
    on.step([&] { SetPreviewHost(previewObject); });
    ValidateOwner(on, platform_, hwndOwner, eErrFileOpenSaveDialog_InvalidWindowHandle);
    hwndOwner_ = hwndOwner;
    flags_ = flags;
}

// The hooks find the object, its preview settings and its centring here; the preview object counts
// only when it has a window.
void clsZqPickerFileOpenSaveA::PublishHookState(Handler& on) {
    on.step([&] { SetPreviewSender(Self()); });
    on.step([&] { SetPreviewEnabled(showPreview_); });
    hookState().FileCenterDialog = centerDialog_;
    if (previewObject_ && on.test([&] { return platform_.IsWindow(LongValue(previewObject_->get(u"hwnd"))); }))
        on.step([&] { SetPreviewHost(previewObject_); });
}

Bool clsZqPickerFileOpenSaveA::Show(std::int32_t dialogType) {
    Handler on{platform_, class_constant::FileOpenSave, u"Show"};
    bool confirmed = false;
    OpenFileNameRecord rec{};

    // 1-3. Centring needs the hook; the bit stays in the stored flags.
    if (centerDialog_ != False) flags_ |= eFileOpenSaveFlag_EnableHook;
    rec.Flags = static_cast<std::uint32_t>(flags_);
    if (flags_ & eFileOpenSaveFlag_EnableHook)
        rec.lpfnHook = (flags_ & eFileOpenSaveFlag_Explorer)
                       ? cz::FarProc(&FileExplorerHookProc)
                       : cz::FarProc(&FileHookProc);
    // 4-7. The buffers and the rest of the record.
    on.step([&] { rec.lpstrFilter = FilterBuffer(filter_); });
    on.step([&] { rec.lpstrFile = FileBuffer(); });
    rec.nMaxFile = kFileBufferChars;
    on.step([&] { rec.lpstrFileTitle = TitleBuffer(fileTitle_); });
    rec.lpstrInitialDir = initialDir_;
    rec.nMaxFileTitle = kMaxFileTitle;
    rec.lpstrTitle = dialogTitle_;
    rec.lpstrDefExt = defaultExt_;
    rec.lStructSize = 76;
    rec.nFilterIndex = static_cast<std::uint32_t>(static_cast<std::int32_t>(defaultFilter_));
    rec.hwndOwner = hwndOwner_;
    // 8.
    PublishHookState(on);
    // 9.
    HookPlatformScope hooks{platform_};
    if (dialogType == eDialogType_OpenFile)
        on.step([&] { confirmed = platform_.GetOpenFileNameA(rec); });
    else if (dialogType == eDialogType_SaveFile)
        on.step([&] { confirmed = platform_.GetSaveFileNameA(rec); });
    else
        return False;
    // 10. A cancel, or a dialog that failed, changes nothing.
    if (!confirmed) return False;
    on.step([&] { fileName_ = PrepareString(rec.lpstrFile, 1); });
    on.step([&] { fileTitle_ = PrepareString(rec.lpstrFileTitle, 2); });
    return True;
}

}  // namespace cz

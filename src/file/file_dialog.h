// clsZqPickerFileOpenSaveA: the file open and save dialogs, with multiple selection and a preview pane.
#pragma once

#include <functional>
#include <vector>

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

enum EDialogType : std::int32_t {
    eDialogType_OpenFile = 0,
    eDialogType_SaveFile = 1,
};

enum EFileOpenSaveFlags : std::int32_t {
    eFileOpenSaveFlag_ReadOnly = 0x1,
    eFileOpenSaveFlag_OverwritePrompt = 0x2,
    eFileOpenSaveFlag_HideReadOnly = 0x4,
    eFileOpenSaveFlag_NoChangeDir = 0x8,
    eFileOpenSaveFlag_HelpButton = 0x10,
    eFileOpenSaveFlag_EnableHook = 0x20,
    eFileOpenSaveFlag_EnableTemplate = 0x40,
    eFileOpenSaveFlag_EnableTemplateHandle = 0x80,
    eFileOpenSaveFlag_NoValidate = 0x100,
    eFileOpenSaveFlag_AllowMultiselect = 0x200,
    eFileOpenSaveFlag_ExtensionDifferent = 0x400,
    eFileOpenSaveFlag_PathMustExist = 0x800,
    eFileOpenSaveFlag_FileMustExist = 0x1000,
    eFileOpenSaveFlag_CreatePrompt = 0x2000,
    eFileOpenSaveFlag_ShareAware = 0x4000,
    eFileOpenSaveFlag_NoReadOnlyReturn = 0x8000,
    eFileOpenSaveFlag_NoTestFileCreate = 0x10000,
    eFileOpenSaveFlag_NoNetworkButton = 0x20000,
    eFileOpenSaveFlag_NoLongNames = 0x40000,
    eFileOpenSaveFlag_Explorer = 0x80000,
    eFileOpenSaveFlag_NoDereferenceLinks = 0x100000,
    eFileOpenSaveFlag_LongNames = 0x200000,
};

class Handler;

// The automation object a file dialog object is to its clients: what it registers as the sender of the
// preview notifications. Empty when nothing stands behind it.
using SelfReference = std::function<Object()>;
// Raises the PreviewItemChanged event to the object's connected clients.
using PreviewEvent = std::function<void(const String& fileName, const String& fileTitle)>;

class clsZqPickerFileOpenSaveA {
public:
    explicit clsZqPickerFileOpenSaveA(Platform& platform, SelfReference self = {}, PreviewEvent event = {});

    // Sets nine properties; an invalid owner raises after the first eight steps took effect, leaving
    // HWndOwner and Flags as they were.
    void Init(const String& filter, std::int16_t defaultFilter, const String& initialDir, const String& fileName,
              const String& dialogTitle, std::int32_t hwndOwner, std::int32_t flags, Bool showPreview,
              const Object& previewObject);
    // Shows the open (eDialogType_OpenFile) or save (eDialogType_SaveFile) dialog; True when the user
    // confirmed it. Only a confirmation changes FileName, FileTitle, SelectedPath, FileCount and the
    // list GetNextFileName walks.
    Bool Show(std::int32_t dialogType);
    // The full path of the index-th file of the last multiple selection; FileName for any other index.
    String GetNextFileName(std::int16_t index) const;

    std::int32_t hInst() const { return hInst_; }
    void hInst(std::int32_t value) { hInst_ = value; }
    Object BuddyObject() const { return buddyObject_; }
    void BuddyObject(Object value) { buddyObject_ = std::move(value); }
    Bool CenterDialog() const { return centerDialog_; }
    void CenterDialog(Bool value) { centerDialog_ = value; }
    const String& DefaultExt() const { return defaultExt_; }
    void DefaultExt(const String& value) { defaultExt_ = value; }
    Bool ShowPreview() const { return showPreview_; }
    void ShowPreview(Bool value);
    std::int16_t DefaultFilter() const { return defaultFilter_; }
    void DefaultFilter(std::int16_t value) { defaultFilter_ = value; }
    const String& DialogTitle() const { return dialogTitle_; }
    void DialogTitle(const String& value) { dialogTitle_ = value; }
    std::int16_t FileCount() const { return fileCount_; }
    const String& FileName() const { return fileName_; }
    void FileName(const String& value) { fileName_ = value; }
    const String& FileTitle() const { return fileTitle_; }
    void FileTitle(const String& value) { fileTitle_ = value; }
    const String& Filter() const { return filter_; }
    void Filter(const String& value) { filter_ = value; }
    std::int32_t Flags() const { return flags_; }
    void Flags(std::int32_t value) { flags_ = value; }
    std::int32_t HWndOwner() const { return hwndOwner_; }
    void HWndOwner(std::int32_t value);
    const String& InitialDir() const { return initialDir_; }
    void InitialDir(const String& value) { initialDir_ = value; }
    std::int16_t MaxFileSize() const { return maxFileSize_; }
    void MaxFileSize(std::int16_t value) { maxFileSize_ = value; }
    const String& SelectedPath() const { return selectedPath_; }
    // Hands a procedure address through unchanged, for the hook field of the dialog record.
    std::int32_t FarProc(std::int32_t pfn) const { return pfn; }
    void PreviewObject(Object value) { previewObject_ = std::move(value); }

    // The explorer hook's delivery of a preview notification (not offered to clients): to the buddy's
    // "clsPickerFileOpenSaveA_PreviewItemChanged" when a buddy is set, otherwise as the event. Never
    // fails and never reports.
    void RaisePreviewItemChanged(String& fileName, String& fileTitle) noexcept;

    // The result list of the last multiple selection: the folder, then the names.
    const std::vector<String>& FileNames() const { return fileNames_; }

private:
    // Turns a returned buffer into a result: mode 1 the file buffer (also sets FileCount, SelectedPath
    // and, for a multiple selection, FileNames), mode 2 the title buffer.
    String PrepareString(const String& buffer, std::int16_t mode);
    void PublishHookState(Handler& on);
    Object Self() const { return self_ ? self_() : Object(); }

    Platform& platform_;
    SelfReference self_;
    PreviewEvent previewEvent_;
    std::int32_t hInst_ = 0;
    Object previewObject_;
    Bool centerDialog_ = False;
    std::int32_t flags_ = eFileOpenSaveFlag_Explorer | eFileOpenSaveFlag_LongNames;
    std::int16_t fileCount_ = 0;
    std::int16_t defaultFilter_ = 1;
    std::int16_t maxFileSize_ = 1024;
    std::int32_t hwndOwner_ = 0;
    String defaultExt_;
    String dialogTitle_;
    String fileName_;
    String fileTitle_;
    String filter_;
    String initialDir_;
    String selectedPath_;
    Bool showPreview_ = False;
    std::vector<String> fileNames_{String()};
    Object buddyObject_;
};

}  // namespace cz

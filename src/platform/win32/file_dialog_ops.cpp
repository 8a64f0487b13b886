// The file open and save dialogs (comdlg32).
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstddef>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

// The record without the three trailing fields of later versions, at this process's pointer size.
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
#if defined(__i386__)
static_assert(kRecordSize == 76, "OPENFILENAME without the trailing fields");
#endif

namespace {

// One string field of the record on its way to the system: the text in the ANSI code page with its NUL,
// in a buffer of at least `capacity` bytes when the dialog writes into it. It comes back at the length
// that went out, so a buffer handed out with n characters returns n characters.
class AnsiField {
public:
    AnsiField(Win32Platform& platform, const String& text, std::uint32_t capacity = 0)
        : platform_(platform), text_(platform.ToAnsi(text)), sent_(text_.size()) {
        text_.resize(std::max<std::size_t>(text_.size() + 1, capacity), '\0');
    }
    char* buffer() { return text_.data(); }
    const char* text() const { return text_.c_str(); }
    // None for an empty text: the fields where the system tells "no value" from an empty one.
    const char* textOrNone() const { return sent_ == 0 ? nullptr : text_.c_str(); }
    String back() const { return platform_.FromAnsi(std::string_view(text_).substr(0, sent_)); }

private:
    Win32Platform& platform_;
    std::string text_;
    std::size_t sent_;
};

template <class Dialog>
bool runFileDialog(Win32Platform& platform, OpenFileNameRecord& record, Dialog dialog) {
    AnsiField filter(platform, record.lpstrFilter);
    AnsiField customFilter(platform, record.lpstrCustomFilter, record.nMaxCustFilter);
    AnsiField file(platform, record.lpstrFile, record.nMaxFile);
    AnsiField fileTitle(platform, record.lpstrFileTitle, record.nMaxFileTitle);
    AnsiField initialDir(platform, record.lpstrInitialDir);
    AnsiField title(platform, record.lpstrTitle);
    AnsiField defExt(platform, record.lpstrDefExt);
    AnsiField templateName(platform, record.lpTemplateName);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = kRecordSize;
    ofn.hwndOwner = toHwnd(record.hwndOwner);
    ofn.hInstance = reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(record.hInstance));
    ofn.lpstrFilter = filter.textOrNone();
    ofn.lpstrCustomFilter = customFilter.textOrNone() ? customFilter.buffer() : nullptr;
    ofn.nMaxCustFilter = record.nMaxCustFilter;
    ofn.nFilterIndex = record.nFilterIndex;
    ofn.lpstrFile = file.buffer();
    ofn.nMaxFile = record.nMaxFile;
    ofn.lpstrFileTitle = fileTitle.buffer();
    ofn.nMaxFileTitle = record.nMaxFileTitle;
    ofn.lpstrInitialDir = initialDir.text();
    // An empty caption would leave the dialog without one: none gives the platform's own.
    ofn.lpstrTitle = title.textOrNone();
    ofn.Flags = record.Flags;
    ofn.nFileOffset = record.nFileOffset;
    ofn.nFileExtension = record.nFileExtension;
    ofn.lpstrDefExt = defExt.text();
    ofn.lCustData = record.lCustData;
    ofn.lpfnHook = asSystemProcedure<LPOFNHOOKPROC>(record.lpfnHook);
    ofn.lpTemplateName = templateName.textOrNone();

    BOOL confirmed = dialog(&ofn);
    record.lpstrFile = file.back();
    record.lpstrFileTitle = fileTitle.back();
    if (ofn.lpstrCustomFilter) record.lpstrCustomFilter = customFilter.back();
    record.nFilterIndex = ofn.nFilterIndex;
    record.Flags = ofn.Flags;
    record.nFileOffset = ofn.nFileOffset;
    record.nFileExtension = ofn.nFileExtension;
    return confirmed != FALSE;
}

}  // namespace

bool Win32Platform::GetOpenFileNameA(OpenFileNameRecord& record) {
    return runFileDialog(*this, record, systemFunction<decltype(&::GetOpenFileNameA)>(kCommonDialogs, "GetOpenFileNameA"));
}

bool Win32Platform::GetSaveFileNameA(OpenFileNameRecord& record) {
    return runFileDialog(*this, record, systemFunction<decltype(&::GetSaveFileNameA)>(kCommonDialogs, "GetSaveFileNameA"));
}

}  // namespace cz::win32

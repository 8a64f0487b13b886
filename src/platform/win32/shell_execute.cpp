// Shell requests (shell32): ShellExecuteEx in its ANSI form.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "32-bit SHELLEXECUTEINFO");
#endif

namespace {

// A string field's ANSI text, kept alive for the call; no value stays a null pointer.
class AnsiField {
public:
    AnsiField(Win32Platform& platform, const std::optional<String>& text) {
        if (text) text_ = platform.ToAnsi(*text);
    }
    const char* get() const { return text_ ? text_->c_str() : nullptr; }

private:
    std::optional<std::string> text_;
};

}  // namespace

bool Win32Platform::ShellExecuteExA(ShellExecuteInfoRecord& record) {
    AnsiField verb{*this, record.lpVerb}, file{*this, record.lpFile}, parameters{*this, record.lpParameters},
        directory{*this, record.lpDirectory}, className{*this, record.lpClass};
    SHELLEXECUTEINFOA sei{};
    sei.cbSize = sizeof(sei);
    sei.fMask = record.fMask;
    sei.hwnd = toHwnd(record.hwnd);
    sei.lpVerb = verb.get();
    sei.lpFile = file.get();
    sei.lpParameters = parameters.get();
    sei.lpDirectory = directory.get();
    sei.nShow = record.nShow;
    sei.hInstApp = static_cast<HINSTANCE>(LongToHandle(record.hInstApp));
    sei.lpIDList = reinterpret_cast<void*>(record.lpIDList);
    sei.lpClass = className.get();
    sei.hkeyClass = reinterpret_cast<HKEY>(record.hkeyClass);
    sei.dwHotKey = record.dwHotKey;
    sei.hIcon = static_cast<HANDLE>(LongToHandle(record.hIcon));
    sei.hProcess = reinterpret_cast<HANDLE>(record.hProcess);

    BOOL done = systemFunction<decltype(&::ShellExecuteExA)>(kShell, "ShellExecuteExA")(&sei);
    // The shell's result codes are small numbers, whatever the pointer size.
    record.hInstApp = HandleToLong(sei.hInstApp);
    record.hProcess = reinterpret_cast<std::uintptr_t>(sei.hProcess);
    return done != FALSE;
}

}  // namespace cz::win32

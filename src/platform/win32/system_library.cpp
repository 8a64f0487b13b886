#include "platform/win32/system_library.h"

#include <string>

#include "automation/failure.h"
#include "platform/win32/system_message.h"

namespace cz::win32 {

namespace {

[[noreturn]] void missing(const wchar_t* library, const char* name) {
    HRESULT code = HRESULT_FROM_WIN32(GetLastError());
    String what(reinterpret_cast<const char16_t*>(library));
    what += u'!';
    for (const char* c = name; *c; ++c) what += static_cast<char16_t>(static_cast<unsigned char>(*c));
    throw Failure(ErrorInfo{code, String(), systemMessage(code) + u" (" + what + u")"});
}

}  // namespace

FARPROC systemEntry(const wchar_t* library, const char* name) {
    // Pinned: a client's FreeLibrary cannot take the DLL away while one of its dialogs calls our hooks.
    // Nothing is cached here; after the first load this is a lookup in the loader's module list.
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, library, &module)) {
        if (!LoadLibraryW(library) || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, library, &module))
            missing(library, name);
    }
    FARPROC entry = GetProcAddress(module, name);
    if (!entry) missing(library, name);
    return entry;
}

}  // namespace cz::win32

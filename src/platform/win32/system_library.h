// Functions of the dialog libraries, found when first called. Loading comdlg32 or shell32 (and what they
// need) costs a script some 30 ms, which one that shows no dialog should not pay; the linker's delay
// import does not work for our 32-bit build, so the platform calls reach them through this instead.
#pragma once

#include <windows.h>

namespace cz::win32 {

inline constexpr wchar_t kCommonDialogs[] = L"comdlg32.dll";
inline constexpr wchar_t kShell[] = L"shell32.dll";

// The system DLL's entry point `name`; loads the DLL on the first call and keeps it for the life of the
// process, as an import would. Throws the library's failure when the DLL or the entry is missing.
FARPROC systemEntry(const wchar_t* library, const char* name);

// systemFunction<decltype(&::ChooseColorA)>(kCommonDialogs, "ChooseColorA")(&cc): the declaration gives
// the type (and calling convention) without referring to the import.
template <class Function>
Function systemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(systemEntry(library, name)));
}

}  // namespace cz::win32

// The host's two output streams: text goes to a console as it is, to a file or pipe as UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace chooser_script {

inline void writeLine(DWORD stream, const std::wstring& text) {
    HANDLE out = GetStdHandle(stream);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    std::wstring line = text + L"\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const int length = static_cast<int>(line.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, line.data(), length, bytes.data(), size, nullptr, nullptr);
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace chooser_script

#include "platform/win32/system_message.h"

#include <cstdio>

#include "platform/win32/bstr.h"

namespace cz::win32 {
namespace {

class LocalText {
public:
    ~LocalText() { LocalFree(text_); }
    wchar_t** put() { return &text_; }
    const wchar_t* get() const { return text_; }

private:
    wchar_t* text_ = nullptr;
};

}  // namespace

String systemMessage(HRESULT code) {
    LocalText text;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<LPWSTR>(text.put()), 0, nullptr);
    String message = length ? fromWide(std::wstring_view(text.get(), length)) : String();
    while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u' '))
        message.pop_back();
    if (!message.empty()) return message;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "Automation error 0x%08lX", static_cast<unsigned long>(code));
    return String(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace cz::win32

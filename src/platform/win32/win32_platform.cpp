// Windows, automation objects, the module's own file and the ANSI code page. The dialog operations live
// in files of their own next to this one.
#include "platform/win32/win32_platform.h"

#include <windows.h>
#include <objbase.h>

#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/module_lifetime.h"
#include "platform/win32/variant_conversion.h"

namespace cz::win32 {

Win32Platform& platform() {
    static Win32Platform instance;
    return instance;
}

bool Win32Platform::IsWindow(WindowHandle hwnd) {
    return ::IsWindow(static_cast<HWND>(LongToHandle(hwnd))) != FALSE;
}

Object Win32Platform::CreateObject(std::u16string_view progId) {
    String name(progId);
    CLSID clsid{};
    ComPtr<IDispatch> object;
    if (FAILED(CLSIDFromProgID(wide(name), &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, object.putVoid())) || !object)
        throw Failure(runtime_error::CantCreateObject, u"ActiveX component can't create object: '" + name + u"'");
    return toObject(object.get());
}

String Win32Platform::LibraryPath() { return module::path(); }

std::string Win32Platform::ToAnsi(std::u16string_view text) {
    if (text.empty()) return std::string();
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, source, length, out.data(), size, nullptr, nullptr);
    return out;
}

String Win32Platform::FromAnsi(std::string_view text) {
    if (text.empty()) return String();
    const int length = static_cast<int>(text.size());
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), size);
    return fromWide(out);
}

}  // namespace cz::win32

#include "platform/win32/bstr.h"

#include <new>

namespace cz::win32 {

Bstr::Bstr(std::u16string_view text)
    : s_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()))) {
    if (!s_) throw std::bad_alloc();
}

String toString(const wchar_t* bstr) {
    if (!bstr) return String();
    return String(reinterpret_cast<const char16_t*>(bstr), SysStringLen(const_cast<BSTR>(bstr)));
}

}  // namespace cz::win32

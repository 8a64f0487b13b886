// GetIDsOfNames from a table prepared once per class: the names of the members and of their parameters,
// found whatever their case, without asking the type library again.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <vector>

namespace cz::com {

class NameTable {
public:
    HRESULT build(ITypeInfo& vtableInfo) noexcept;

    // IDispatch::GetIDsOfNames: names[0] a member, names[1..] parameters of that member (their
    // positions). Unknown names get DISPID_UNKNOWN and the answer DISP_E_UNKNOWNNAME.
    HRESULT lookUp(const LPOLESTR* names, UINT count, DISPID* ids) const noexcept;

private:
    struct Entry {
        std::wstring folded;  // upper case
        DISPID id;
        std::vector<std::wstring> parameters;  // folded, in declaration order
    };
    const Entry* find(const wchar_t* name) const noexcept;
    std::vector<Entry> entries_;  // sorted by folded name
};

}  // namespace cz::com

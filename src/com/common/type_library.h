// The type library embedded in the running module (resource 1 TYPELIB), loaded once per process, and
// what each class takes from it once: the descriptions of its dual interface, its class description, and
// the member and name tables the dispatch works from.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "com/common/member_table.h"
#include "com/common/name_table.h"
#include "platform/win32/com_ptr.h"

namespace cz::com {

// The module's type library, loaded on the first call and shared from then on.
HRESULT moduleTypeLib(win32::ComPtr<ITypeLib>& typeLib) noexcept;

// A dual interface has two descriptions: the dispatch one that GetTypeInfo hands out, and the vtable one
// whose functions the dispatch calls.
struct InterfaceTypes {
    win32::ComPtr<ITypeInfo> dispatch;
    win32::ComPtr<ITypeInfo> vtable;
};

HRESULT loadInterfaceTypes(ITypeLib& typeLib, REFIID iid, InterfaceTypes& types) noexcept;

// Everything one class reads from the type library, read once and then only looked at.
struct ClassDescription {
    ClassDescription(REFIID iid, const CLSID& clsid) noexcept;

    HRESULT status = E_UNEXPECTED;  // S_OK when everything below was read
    InterfaceTypes types;
    win32::ComPtr<ITypeInfo> classInfo;
    MemberTable members;
    NameTable names;
};

}  // namespace cz::com

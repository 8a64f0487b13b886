// The type library embedded in the running module (resource 1 TYPELIB), and the type information the
// dispatch and class-info implementations take from it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "platform/win32/com_ptr.h"

namespace cz::com {

HRESULT loadModuleTypeLib(win32::ComPtr<ITypeLib>& typeLib) noexcept;

// A dual interface has two descriptions: the dispatch one that GetTypeInfo hands out, and the vtable one
// that ITypeInfo::Invoke calls through.
struct InterfaceTypes {
    win32::ComPtr<ITypeInfo> dispatch;
    win32::ComPtr<ITypeInfo> vtable;
};

HRESULT loadInterfaceTypes(ITypeLib& typeLib, REFIID iid, InterfaceTypes& types) noexcept;

}  // namespace cz::com

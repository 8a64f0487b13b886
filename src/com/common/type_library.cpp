#include "com/common/type_library.h"

#include <new>

#include "platform/win32/bstr.h"
#include "platform/win32/module_lifetime.h"

namespace cz::com {

HRESULT loadModuleTypeLib(win32::ComPtr<ITypeLib>& typeLib) noexcept {
    try {
        String path = win32::module::path();
        if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
        return LoadTypeLibEx(win32::wide(path), REGKIND_NONE, typeLib.put());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT loadInterfaceTypes(ITypeLib& typeLib, REFIID iid, InterfaceTypes& types) noexcept {
    HRESULT hr = typeLib.GetTypeInfoOfGuid(iid, types.dispatch.put());
    if (FAILED(hr)) return hr;
    HREFTYPE vtableRef = 0;
    if (SUCCEEDED(types.dispatch->GetRefTypeOfImplType(-1, &vtableRef)) &&
        SUCCEEDED(types.dispatch->GetRefTypeInfo(vtableRef, types.vtable.put())))
        return S_OK;
    types.vtable = types.dispatch;  // not dual: one description serves both
    return S_OK;
}

}  // namespace cz::com

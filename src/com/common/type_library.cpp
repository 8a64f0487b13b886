#include "com/common/type_library.h"

#include <new>

#include "platform/win32/bstr.h"
#include "platform/win32/module_lifetime.h"

namespace cz::com {
namespace {

struct LoadedTypeLib {
    HRESULT status = E_UNEXPECTED;
    win32::ComPtr<ITypeLib> typeLib;

    LoadedTypeLib() noexcept {
        try {
            String path = win32::module::path();
            status = path.empty() ? HRESULT_FROM_WIN32(GetLastError())
                                  : LoadTypeLibEx(win32::wide(path), REGKIND_NONE, typeLib.put());
        } catch (const std::bad_alloc&) {
            status = E_OUTOFMEMORY;
        }
    }
};

}  // namespace

HRESULT moduleTypeLib(win32::ComPtr<ITypeLib>& typeLib) noexcept {
    // A type library is free-threaded and never changes: one per process serves every object.
    static const LoadedTypeLib loaded;
    typeLib = loaded.typeLib;
    return loaded.status;
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

ClassDescription::ClassDescription(REFIID iid, const CLSID& clsid) noexcept {
    win32::ComPtr<ITypeLib> typeLib;
    HRESULT hr = moduleTypeLib(typeLib);
    if (SUCCEEDED(hr)) hr = loadInterfaceTypes(*typeLib.get(), iid, types);
    if (SUCCEEDED(hr)) hr = typeLib->GetTypeInfoOfGuid(clsid, classInfo.put());
    if (SUCCEEDED(hr)) hr = members.build(*types.vtable.get());
    if (SUCCEEDED(hr)) hr = names.build(*types.vtable.get());
    status = hr;
}

}  // namespace cz::com

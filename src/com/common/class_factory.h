// Class factories and the table of creatable classes a DLL serves.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <span>

#include "platform/win32/com_object.h"

namespace cz::com {

using CreateFunction = HRESULT (*)(REFIID iid, void** out);

// One creatable class: its CLSID, its name (the ProgID is "<library>.<name>") and how to make one.
struct ClassEntry {
    const CLSID* clsid;
    const wchar_t* name;
    CreateFunction create;
};

class ClassFactory final : public win32::ComObject<IClassFactory> {
public:
    explicit ClassFactory(CreateFunction create) noexcept : create_(create) {}

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    void* findInterface(REFIID iid) noexcept override;

    CreateFunction create_;
};

// DllGetClassObject for the classes of the table.
HRESULT getClassObject(std::span<const ClassEntry> classes, REFCLSID clsid, REFIID iid, void** out) noexcept;

}  // namespace cz::com

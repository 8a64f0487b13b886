// A portable object (cz::LateBound: the application object, an error object) offered to the automation
// layer as an IDispatch, so that other components can read its properties by name. Dispatch ids are
// handed out per name as they are asked for.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "automation/automation.h"
#include "platform/win32/com_object.h"

namespace cz::win32 {

class PortableDispatch final : public ComObject<IDispatch> {
public:
    explicit PortableDispatch(Object object) : object_(std::move(object)) {}

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

private:
    void* findInterface(REFIID iid) noexcept override;
    Variant invokeByName(const String& name, WORD flags, DISPPARAMS& params);

    Object object_;
    std::vector<String> names_;  // dispatch id n names names_[n - 1]
};

}  // namespace cz::win32

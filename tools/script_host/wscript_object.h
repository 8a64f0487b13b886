// The WScript object a script sees: Echo, CreateObject (with an optional event prefix), ConnectObject,
// DisconnectObject, Sleep (pumping messages), Quit, ScriptName and ScriptFullName.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "event_binding.h"
#include "platform/win32/com_object.h"

namespace chooser_script {

class WScriptObject final : public cz::win32::ComObject<IDispatch> {
public:
    WScriptObject(std::wstring scriptPath, EventBindings& events) : scriptPath_(std::move(scriptPath)), events_(events) {}

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

private:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) return static_cast<IDispatch*>(this);
        return nullptr;
    }

    std::wstring scriptPath_;
    EventBindings& events_;
};

}  // namespace chooser_script

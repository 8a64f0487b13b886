// The site the engine runs in: it hands out the named item "WScript" and prints the script's errors
// (which the system's host under Wine swallows) as "<file>(<line>, <column>) <source>: <description>".
#pragma once

#include <windows.h>
#include <activscp.h>

#include <string>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace chooser_script {

using cz::win32::ComPtr;

class ScriptSite final : public cz::win32::ComObject<IActiveScriptSite> {
public:
    ScriptSite(std::wstring scriptPath, ComPtr<IDispatch> wscript)
        : scriptPath_(std::move(scriptPath)), wscript_(std::move(wscript)) {}

    bool reportedError() const { return reportedError_; }
    // Drops the named item, so that the object it refers to can go.
    void release() { wscript_.reset(); }

    STDMETHODIMP GetLCID(LCID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item, ITypeInfo** type) override;
    STDMETHODIMP GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    STDMETHODIMP OnStateChange(SCRIPTSTATE) override { return S_OK; }
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override;
    STDMETHODIMP OnEnterScript() override { return S_OK; }
    STDMETHODIMP OnLeaveScript() override { return S_OK; }

private:
    void* findInterface(REFIID iid) noexcept override {
        if (iid == IID_IUnknown || iid == IID_IActiveScriptSite) return static_cast<IActiveScriptSite*>(this);
        return nullptr;
    }

    std::wstring scriptPath_;
    ComPtr<IDispatch> wscript_;
    bool reportedError_ = false;
};

}  // namespace chooser_script

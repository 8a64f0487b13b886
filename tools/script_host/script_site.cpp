#include "script_site.h"

#include <oleauto.h>

#include "output.h"

namespace chooser_script {

STDMETHODIMP ScriptSite::GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item, ITypeInfo** type) {
    if (item) *item = nullptr;
    if (type) *type = nullptr;
    if (!name || lstrcmpiW(name, L"WScript") != 0 || !wscript_) return TYPE_E_ELEMENTNOTFOUND;
    if (mask & SCRIPTINFO_IUNKNOWN) {
        if (!item) return E_POINTER;
        *item = ComPtr<IUnknown>(wscript_.get()).detach();
    }
    if (mask & SCRIPTINFO_ITYPEINFO) return TYPE_E_ELEMENTNOTFOUND;
    return S_OK;
}

STDMETHODIMP ScriptSite::OnScriptError(IActiveScriptError* error) {
    reportedError_ = true;
    if (!error) return S_OK;
    EXCEPINFO info{};
    error->GetExceptionInfo(&info);
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    error->GetSourcePosition(&context, &line, &column);
    std::wstring source = info.bstrSource ? info.bstrSource : L"Script";
    std::wstring description = info.bstrDescription ? info.bstrDescription : L"";
    const unsigned code = static_cast<unsigned>(info.scode ? info.scode : info.wCode);
    wchar_t where[64];
    wsprintfW(where, L"(%lu, %ld) ", line + 1, column + 1);
    wchar_t number[32];
    wsprintfW(number, L" (0x%08X)", code);
    writeLine(STD_ERROR_HANDLE, scriptPath_ + where + source + L": " + description + number);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return S_OK;
}

}  // namespace chooser_script

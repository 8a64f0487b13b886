#include "script_run.h"

#include <windows.h>
#include <activscp.h>

#include "event_binding.h"
#include "output.h"
#include "script_site.h"
#include "wscript_object.h"

namespace chooser_script {
namespace {

// The engine by the file's extension: .js is JScript, everything else VBScript.
const wchar_t* engineOf(const std::wstring& path) {
    const auto dot = path.find_last_of(L'.');
    if (dot != std::wstring::npos && lstrcmpiW(path.c_str() + dot, L".js") == 0) return L"JScript";
    return L"VBScript";
}

int failed(const std::wstring& what, HRESULT hr) {
    wchar_t code[32];
    wsprintfW(code, L" (0x%08X)", static_cast<unsigned>(hr));
    writeLine(STD_ERROR_HANDLE, L"chooser-script: " + what + code);
    return 1;
}

}  // namespace

int runScript(const std::wstring& path, const std::wstring& text) {
    CLSID engineClass{};
    ComPtr<IActiveScript> engine;
    HRESULT hr = CLSIDFromProgID(engineOf(path), &engineClass);
    if (SUCCEEDED(hr)) hr = CoCreateInstance(engineClass, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript, engine.putVoid());
    if (FAILED(hr) || !engine) return failed(std::wstring(L"no ") + engineOf(path) + L" engine", hr);
    auto parser = engine.as<IActiveScriptParse>(IID_IActiveScriptParse);
    if (!parser) return failed(L"the engine cannot parse", E_NOINTERFACE);

    EventBindings events([&engine] {
        ComPtr<IDispatch> procedures;
        engine->GetScriptDispatch(nullptr, procedures.put());
        return procedures;
    });
    auto wscript = ComPtr<IDispatch>::adopt(new WScriptObject(path, events));
    auto site = ComPtr<ScriptSite>::adopt(new ScriptSite(path, wscript));

    if (FAILED(hr = parser->InitNew())) return failed(L"InitNew failed", hr);
    if (FAILED(hr = engine->SetScriptSite(site.get()))) return failed(L"SetScriptSite failed", hr);
    if (FAILED(hr = engine->AddNamedItem(L"WScript", SCRIPTITEM_ISVISIBLE))) return failed(L"AddNamedItem failed", hr);
    EXCEPINFO exception{};
    hr = parser->ParseScriptText(text.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE, nullptr, &exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (SUCCEEDED(hr)) hr = engine->SetScriptState(SCRIPTSTATE_STARTED);
    const bool scriptFailed = FAILED(hr) || site->reportedError();

    // Sinks first: they reach into the engine, which must still be there.
    events.disconnectAll();
    engine->Close();
    site->release();
    if (scriptFailed && !site->reportedError()) return failed(L"the script did not run", hr);
    return scriptFailed ? 1 : 0;
}

}  // namespace chooser_script

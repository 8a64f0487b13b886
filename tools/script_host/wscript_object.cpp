#include "wscript_object.h"

#include <oleauto.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "output.h"

namespace chooser_script {
namespace {

enum Member : DISPID {
    kEcho = 1,
    kCreateObject,
    kConnectObject,
    kDisconnectObject,
    kSleep,
    kQuit,
    kScriptName,
    kScriptFullName,
    kName,
};

struct Name {
    const wchar_t* text;
    DISPID id;
};
constexpr Name kNames[] = {
    {L"Echo", kEcho},
    {L"CreateObject", kCreateObject},
    {L"ConnectObject", kConnectObject},
    {L"DisconnectObject", kDisconnectObject},
    {L"Sleep", kSleep},
    {L"Quit", kQuit},
    {L"ScriptName", kScriptName},
    {L"ScriptFullName", kScriptFullName},
    {L"Name", kName},
};

bool sameName(const wchar_t* a, const wchar_t* b) {
    for (; *a && *b; ++a, ++b)
        if (std::towlower(*a) != std::towlower(*b)) return false;
    return *a == *b;
}

// The arguments in the order the script wrote them, each dereferenced.
class Arguments {
public:
    explicit Arguments(const DISPPARAMS* params) {
        const UINT count = params ? params->cArgs : 0;
        values_.resize(count);
        for (UINT i = 0; i < count; ++i) {
            VariantInit(&values_[i]);
            VariantCopyInd(&values_[i], &params->rgvarg[count - 1 - i]);
        }
    }
    ~Arguments() {
        for (VARIANT& v : values_) VariantClear(&v);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    std::size_t size() const { return values_.size(); }
    bool given(std::size_t i) const {
        return i < values_.size() && !(values_[i].vt == VT_ERROR && values_[i].scode == DISP_E_PARAMNOTFOUND);
    }
    // The argument as text, as Echo prints it; false when it has none.
    bool text(std::size_t i, std::wstring& out) const {
        VARIANT converted;
        VariantInit(&converted);
        if (values_[i].vt == VT_EMPTY) {
            out.clear();
            return true;
        }
        if (values_[i].vt == VT_NULL) {
            out = L"null";
            return true;
        }
        VARIANT source = values_[i];
        if (FAILED(VariantChangeType(&converted, &source, VARIANT_ALPHABOOL, VT_BSTR))) return false;
        out.assign(converted.bstrVal, SysStringLen(converted.bstrVal));
        VariantClear(&converted);
        return true;
    }
    IDispatch* object(std::size_t i) const {
        if (i >= values_.size()) return nullptr;
        if (values_[i].vt == VT_DISPATCH) return values_[i].pdispVal;
        return nullptr;
    }
    bool number(std::size_t i, LONG& out) const {
        VARIANT converted;
        VariantInit(&converted);
        VARIANT source = values_[i];
        if (FAILED(VariantChangeType(&converted, &source, 0, VT_I4))) return false;
        out = converted.lVal;
        return true;
    }

private:
    std::vector<VARIANT> values_;
};

HRESULT fail(EXCEPINFO* exception, const std::wstring& description, HRESULT code = E_INVALIDARG) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"WScript");
        exception->bstrDescription = SysAllocString(description.c_str());
        exception->scode = code;
    }
    return DISP_E_EXCEPTION;
}

void giveText(VARIANT* result, const std::wstring& text) {
    if (!result) return;
    VariantInit(result);
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// Waits while dispatching this thread's messages, so that windows of the script's objects stay alive.
void pumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

}  // namespace

STDMETHODIMP WScriptObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP WScriptObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const Name& n : kNames)
        if (sameName(names[0], n.text)) ids[0] = n.id;
    return count == 1 && ids[0] != DISPID_UNKNOWN ? S_OK : DISP_E_UNKNOWNNAME;
}

STDMETHODIMP WScriptObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT*) {
    Arguments args(params);
    if (result) VariantInit(result);
    switch (id) {
    case kEcho: {
        std::wstring line, piece;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (!args.text(i, piece)) return fail(exception, L"Echo cannot print this argument", DISP_E_TYPEMISMATCH);
            if (i > 0) line += L' ';
            line += piece;
        }
        writeLine(STD_OUTPUT_HANDLE, line);
        return S_OK;
    }
    case kCreateObject: {
        std::wstring progId, prefix;
        if (!args.given(0) || !args.text(0, progId)) return fail(exception, L"CreateObject needs a ProgID");
        if (args.given(1) && !args.text(1, prefix)) return fail(exception, L"The event prefix must be text");
        CLSID clsid{};
        ComPtr<IDispatch> object;
        HRESULT hr = CLSIDFromProgID(progId.c_str(), &clsid);
        if (SUCCEEDED(hr)) hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, object.putVoid());
        if (FAILED(hr) || !object) return fail(exception, L"Could not create object named \"" + progId + L"\"", hr);
        if (!prefix.empty()) {
            std::wstring why;
            if (FAILED(hr = events_.connect(object.get(), prefix, why))) return fail(exception, why, hr);
        }
        if (result) {
            result->vt = VT_DISPATCH;
            result->pdispVal = object.detach();
        }
        return S_OK;
    }
    case kConnectObject: {
        std::wstring prefix, why;
        IDispatch* object = args.object(0);
        if (!object) return fail(exception, L"ConnectObject needs an object");
        if (!args.given(1) || !args.text(1, prefix)) return fail(exception, L"ConnectObject needs an event prefix");
        HRESULT hr = events_.connect(object, prefix, why);
        return FAILED(hr) ? fail(exception, why, hr) : S_OK;
    }
    case kDisconnectObject: {
        IDispatch* object = args.object(0);
        if (!object) return fail(exception, L"DisconnectObject needs an object");
        events_.disconnect(object);
        return S_OK;
    }
    case kSleep: {
        LONG ms = 0;
        if (!args.given(0) || !args.number(0, ms) || ms < 0) return fail(exception, L"Sleep needs milliseconds");
        pumpFor(static_cast<DWORD>(ms));
        return S_OK;
    }
    case kQuit: {
        LONG code = 0;
        if (args.given(0) && !args.number(0, code)) return fail(exception, L"Quit takes a number");
        // Ends the process at once, as the system's host does: the engine cannot be left mid-statement.
        ExitProcess(static_cast<UINT>(code));
    }
    case kScriptName:
        giveText(result, scriptPath_.substr(scriptPath_.find_last_of(L"\\/") + 1));
        return S_OK;
    case kScriptFullName:
        giveText(result, scriptPath_);
        return S_OK;
    case kName:
        giveText(result, L"Chooser10 Script Host");
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace chooser_script

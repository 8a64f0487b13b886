#include "com_client.h"

#include <algorithm>

namespace cz::testing {

std::wstring WindowsPath(const char* unixPath) {
    std::wstring out = L"Z:";
    for (const char* p = unixPath; *p; ++p) out.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(*p));
    return out;
}

std::string Narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

// --- Var ----------------------------------------------------------------------------------------------

Var::Var(const Var& other) {
    VariantInit(&v_);
    VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
}

Var& Var::operator=(const Var& other) {
    if (this != &other) {
        VariantClear(&v_);
        VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    }
    return *this;
}

Var Var::I2(short value) {
    Var v;
    V_VT(&v.v_) = VT_I2;
    V_I2(&v.v_) = value;
    return v;
}

Var Var::I4(LONG value) {
    Var v;
    V_VT(&v.v_) = VT_I4;
    V_I4(&v.v_) = value;
    return v;
}

Var Var::Bool(bool value) {
    Var v;
    V_VT(&v.v_) = VT_BOOL;
    V_BOOL(&v.v_) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Var Var::Str(const std::wstring& value) {
    Var v;
    V_VT(&v.v_) = VT_BSTR;
    V_BSTR(&v.v_) = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    return v;
}

Var Var::Dispatch(IDispatch* value) {
    Var v;
    V_VT(&v.v_) = VT_DISPATCH;
    V_DISPATCH(&v.v_) = value;
    if (value) value->AddRef();
    return v;
}

Var Var::Missing() {
    Var v;
    V_VT(&v.v_) = VT_ERROR;
    V_ERROR(&v.v_) = DISP_E_PARAMNOTFOUND;
    return v;
}

Var Var::ByRef(VARIANT* target) {
    Var v;
    V_VT(&v.v_) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v.v_) = target;
    return v;
}

std::wstring Var::str() const {
    if (V_VT(&v_) != VT_BSTR || !V_BSTR(&v_)) return {};
    return std::wstring(V_BSTR(&v_), SysStringLen(V_BSTR(&v_)));
}

// --- Late ---------------------------------------------------------------------------------------------

HRESULT Late::id(const wchar_t* name, DISPID* out) const {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, out);
}

DispResult Late::get(const wchar_t* name) const { return invoke(name, DISPATCH_PROPERTYGET, {}); }

DispResult Late::put(const wchar_t* name, Var value) const {
    return invoke(name, DISPATCH_PROPERTYPUT, {std::move(value)});
}

DispResult Late::putRef(const wchar_t* name, Var value) const {
    return invoke(name, DISPATCH_PROPERTYPUTREF, {std::move(value)});
}

DispResult Late::call(const wchar_t* name, std::vector<Var> args) const {
    return invoke(name, DISPATCH_METHOD, std::move(args));
}

DispResult Late::invoke(const wchar_t* name, WORD flags, std::vector<Var> args) const {
    DispResult r;
    DISPID dispId = DISPID_UNKNOWN;
    r.hr = id(name, &dispId);
    if (FAILED(r.hr)) return r;

    // Invoke takes its arguments last to first.
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(**it);
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &namedPut;
        params.cNamedArgs = 1;
    }
    EXCEPINFO info{};
    r.hr = object_->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, r.value.get(), &info, &r.argError);
    if (r.hr == DISP_E_EXCEPTION) {
        if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
        r.scode = info.scode;
        if (info.bstrSource) r.source.assign(info.bstrSource, SysStringLen(info.bstrSource));
        if (info.bstrDescription) r.description.assign(info.bstrDescription, SysStringLen(info.bstrDescription));
    }
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return r;
}

HRESULT CreateByProgId(const wchar_t* progId, ComPtr<IDispatch>& out) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
}

ErrorInfoRead ReadErrorInfo(IUnknown* object, REFIID iid) {
    ErrorInfoRead r;
    ComPtr<ISupportErrorInfo> support;
    if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(support.GetAddressOf()))))
        r.supported = support->InterfaceSupportsErrorInfo(iid) == S_OK;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.GetAddressOf()) == S_OK && info) {
        r.present = true;
        BSTR text = nullptr;
        if (SUCCEEDED(info->GetSource(&text)) && text) r.source.assign(text, SysStringLen(text));
        SysFreeString(text);
        text = nullptr;
        if (SUCCEEDED(info->GetDescription(&text)) && text) r.description.assign(text, SysStringLen(text));
        SysFreeString(text);
    }
    return r;
}

// --- windows ------------------------------------------------------------------------------------------

TestWindow::TestWindow()
    : hwnd_(CreateWindowExW(0, L"STATIC", L"Chooser10 test owner", WS_OVERLAPPED, 10, 10, 200, 100, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr)) {}

TestWindow::~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LONG DestroyedWindowHandle() {
    LONG handle;
    {
        TestWindow w;
        handle = w.handle();
    }
    return IsWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle))) ? 0 : handle;
}

// --- registry -----------------------------------------------------------------------------------------

bool ReadClassesRoot(const std::wstring& key, const wchar_t* valueName, std::wstring& out) {
    out.clear();
    HKEY hkey;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &hkey) != ERROR_SUCCESS) return false;
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t), type = 0;
    LONG rc = RegQueryValueExW(hkey, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(hkey);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    out.assign(buffer, size / sizeof(wchar_t));
    while (!out.empty() && out.back() == L'\0') out.pop_back();
    return true;
}

bool ClassesRootKeyExists(const std::wstring& key) {
    HKEY hkey;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &hkey) != ERROR_SUCCESS) return false;
    RegCloseKey(hkey);
    return true;
}

std::wstring GuidString(REFGUID guid) {
    wchar_t text[64] = {};
    StringFromGUID2(guid, text, 64);
    return text;
}

int RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    int code = -1;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (GetExitCodeProcess(pi.hProcess, &exitCode)) code = static_cast<int>(exitCode);
    } else {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

}  // namespace cz::testing

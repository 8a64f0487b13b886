// Helpers for test clients that call the library the way its users do: objects created by ProgID and
// reached through IDispatch by name, automation errors read back from EXCEPINFO and IErrorInfo.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <string_view>
#include <vector>

namespace cz::testing {

using Microsoft::WRL::ComPtr;

// Windows path of a file given by its Unix path (Wine maps / to drive Z:).
std::wstring WindowsPath(const char* unixPath);

// Text for test messages: ASCII as it is, anything else as '?'.
std::string Narrow(std::wstring_view text);

// Ends a GoogleTest test as skipped when a member answered E_NOTIMPL (still to be written): the test
// checks the member in full as soon as it exists.
#define SKIP_WHILE_NOT_IMPLEMENTED(result)   \
    if ((result).error() == E_NOTIMPL)       \
    GTEST_SKIP() << "not implemented yet: " << ::cz::testing::Narrow((result).description)

// A VARIANT that clears itself.
class Var {
public:
    Var() { VariantInit(&v_); }
    Var(const Var& other);
    Var& operator=(const Var& other);
    ~Var() { VariantClear(&v_); }

    static Var I2(short value);
    static Var I4(LONG value);
    static Var Bool(bool value);
    static Var Str(const std::wstring& value);
    static Var Dispatch(IDispatch* value);
    static Var Missing();  // an omitted optional argument
    static Var ByRef(VARIANT* target);  // VT_BYREF | VT_VARIANT, as a script passes a variable

    VARIANT* get() { return &v_; }
    const VARIANT& operator*() const { return v_; }
    const VARIANT* operator->() const { return &v_; }
    VARTYPE vt() const { return V_VT(&v_); }
    std::wstring str() const;  // the string of a VT_BSTR ("" for a null BSTR)

private:
    VARIANT v_;
};

// What one IDispatch call gave back.
struct DispResult {
    HRESULT hr = E_FAIL;
    Var value;
    // From EXCEPINFO when hr is DISP_E_EXCEPTION:
    HRESULT scode = S_OK;
    std::wstring source;
    std::wstring description;
    UINT argError = UINT(-1);

    // The error the caller sees: the exception's code for DISP_E_EXCEPTION, else hr.
    HRESULT error() const { return hr == DISP_E_EXCEPTION ? scode : hr; }
};

// Late-bound calls by name, each through GetIDsOfNames then Invoke. Arguments are in call order.
class Late {
public:
    explicit Late(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    HRESULT id(const wchar_t* name, DISPID* out) const;
    DispResult get(const wchar_t* name) const;
    DispResult put(const wchar_t* name, Var value) const;
    DispResult putRef(const wchar_t* name, Var value) const;
    DispResult call(const wchar_t* name, std::vector<Var> args = {}) const;
    DispResult invoke(const wchar_t* name, WORD flags, std::vector<Var> args) const;

    IDispatch* object() const { return object_.Get(); }

private:
    ComPtr<IDispatch> object_;
};

// CLSIDFromProgID + CoCreateInstance (in-process), as a script's CreateObject does.
HRESULT CreateByProgId(const wchar_t* progId, ComPtr<IDispatch>& out);

// The automation error the last vtable call left: checks ISupportErrorInfo for the interface first.
struct ErrorInfoRead {
    bool supported = false;  // InterfaceSupportsErrorInfo answered S_OK
    bool present = false;    // GetErrorInfo gave an error object
    std::wstring source;
    std::wstring description;
};
ErrorInfoRead ReadErrorInfo(IUnknown* object, REFIID iid);

// A real top-level window of this thread, destroyed at the end of the scope.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    LONG handle() const { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd_)); }

private:
    HWND hwnd_;
};

// The 32-bit value of a window handle that named a window a moment ago and names none now.
LONG DestroyedWindowHandle();

// Registry: the default value (or a named value) of a key under HKEY_CLASSES_ROOT; empty and false
// when the key or value does not exist.
bool ReadClassesRoot(const std::wstring& key, const wchar_t* valueName, std::wstring& out);
bool ClassesRootKeyExists(const std::wstring& key);

std::wstring GuidString(REFGUID guid);

// Runs a Windows program of the prefix and returns its exit code (or -1 if it could not run or did not
// end within the time).
int RunProgram(const std::wstring& commandLine, DWORD timeoutMs = 60000);

}  // namespace cz::testing

#include "platform/win32/dispatch_object.h"

#include <vector>

#include <dispex.h>

#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/system_message.h"
#include "platform/win32/variant_conversion.h"
#include "platform/win32/variant_holder.h"

namespace cz::win32 {
namespace {

// EXCEPINFO owns three strings.
struct ExceptionInfo : EXCEPINFO {
    ExceptionInfo() : EXCEPINFO{} {}
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() {
        SysFreeString(bstrSource);
        SysFreeString(bstrDescription);
        SysFreeString(bstrHelpFile);
    }
};

[[noreturn]] void fail(HRESULT code, std::u16string_view name) {
    throw Failure(ErrorInfo{code, String(), systemMessage(code) + u" (" + String(name) + u")"});
}

[[noreturn]] void failFromException(ExceptionInfo& info) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    HRESULT code = info.scode;
    // A code of the automation runtime's own range travels as wCode.
    if (code == S_OK) code = info.wCode ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode) : E_FAIL;
    throw Failure(ErrorInfo{code, toString(info.bstrSource), toString(info.bstrDescription)});
}

}  // namespace

namespace {
// IID_IDispatchEx, which the toolchain's uuid library lacks.
constexpr IID kDispatchEx = {0xa6ef9860, 0xc720, 0x11d0, {0x93, 0x37, 0x00, 0xa0, 0xc9, 0x0d, 0xca, 0xa9}};
}  // namespace

DISPID DispatchObject::idOf(std::u16string_view name) {
    String text(name);
    LPOLESTR names[] = {const_cast<LPOLESTR>(wide(text))};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (hr == E_NOTIMPL) {
        // Some script engines' own objects (a script's class instances) name their members only
        // through IDispatchEx.
        ComPtr<IDispatchEx> extended;
        if (SUCCEEDED(dispatch_->QueryInterface(kDispatchEx, reinterpret_cast<void**>(extended.put())))) {
            Bstr wanted(text);
            hr = extended->GetDispID(wanted.get(), fdexNameCaseInsensitive, &id);
        }
    }
    if (FAILED(hr)) fail(hr, name);
    return id;
}

HRESULT DispatchObject::invoke(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result, std::u16string_view name) {
    ExceptionInfo info;
    UINT argError = 0;
    HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &argError);
    if (hr == DISP_E_EXCEPTION) failFromException(info);
    if (FAILED(hr) && hr != DISP_E_MEMBERNOTFOUND) fail(hr, name);
    return hr;
}

Variant DispatchObject::get(std::u16string_view name) {
    DISPID id = idOf(name);
    DISPPARAMS none{};
    VariantHolder result;
    HRESULT hr = invoke(id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, result.get(), name);
    if (FAILED(hr)) fail(hr, name);
    return toPortable(*result.get());
}

void DispatchObject::put(std::u16string_view name, const Variant& value) {
    DISPID id = idOf(name);
    VariantHolder argument;
    toVariant(value, argument.get());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{argument.get(), &named, 1, 1};
    // An object is assigned by reference where the property allows it, as a script's Set does.
    bool isObject = std::holds_alternative<Object>(value);
    HRESULT hr = invoke(id, isObject ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, params, nullptr, name);
    if (hr == DISP_E_MEMBERNOTFOUND && isObject) hr = invoke(id, DISPATCH_PROPERTYPUT, params, nullptr, name);
    if (FAILED(hr)) fail(hr, name);
}

Variant DispatchObject::call(std::u16string_view name, std::vector<Arg>& args) {
    DISPID id = idOf(name);
    const std::size_t count = args.size();
    std::vector<VariantHolder> storage(count);  // never resized below: the by-reference slots point into it
    std::vector<VARIANTARG> passed(count);
    for (std::size_t i = 0; i < count; ++i) {
        VARIANTARG& slot = passed[count - 1 - i];  // DISPPARAMS lists the arguments last first
        VariantInit(&slot);
        VARIANT* value = storage[i].get();
        toVariant(args[i].value, value);
        if (!args[i].byRef || std::holds_alternative<Missing>(args[i].value)) {
            slot = *value;  // a view: storage keeps ownership
        } else {
            // A reference to a variant, as a script passes its variables: script engines take no other
            // by-reference kind for the parameters of their own procedures.
            slot.vt = VT_BYREF | VT_VARIANT;
            slot.pvarVal = value;
        }
    }
    DISPPARAMS params{passed.data(), nullptr, static_cast<UINT>(count), 0};
    VariantHolder result;
    // A method, or a property with arguments, as a script calls either.
    HRESULT hr = invoke(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params, result.get(), name);
    if (FAILED(hr)) fail(hr, name);
    for (std::size_t i = 0; i < count; ++i)
        if (args[i].byRef && !std::holds_alternative<Missing>(args[i].value)) args[i].value = toPortable(*storage[i].get());
    return toPortable(*result.get());
}

}  // namespace cz::win32

#include "platform/win32/portable_dispatch.h"

#include <new>

#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/variant_conversion.h"
#include "platform/win32/variant_holder.h"

namespace cz::win32 {
namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// Automation names match without regard to case.
bool sameName(const String& a, const String& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// Gives a by-reference argument the value the portable callee left in it, where the types allow.
void writeBack(const Variant& value, VARIANTARG& target) {
    if (target.vt == (VT_BYREF | VT_VARIANT)) {
        VariantHolder fresh;
        toVariant(value, fresh.get());
        VariantClear(target.pvarVal);
        fresh.moveTo(target.pvarVal);
    } else if (target.vt == (VT_BYREF | VT_BSTR) && std::holds_alternative<String>(value)) {
        Bstr fresh(std::get<String>(value));
        SysFreeString(*target.pbstrVal);
        *target.pbstrVal = fresh.detach();
    } else if (target.vt == (VT_BYREF | VT_I4) && std::holds_alternative<std::int32_t>(value)) {
        *target.plVal = std::get<std::int32_t>(value);
    } else if (target.vt == (VT_BYREF | VT_I2) && std::holds_alternative<std::int16_t>(value)) {
        *target.piVal = std::get<std::int16_t>(value);
    } else if (target.vt == (VT_BYREF | VT_BOOL) && std::holds_alternative<Boolean>(value)) {
        *target.pboolVal = std::get<Boolean>(value).value ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

void fillException(EXCEPINFO* exception, const ErrorInfo& info) {
    if (!exception) return;
    *exception = EXCEPINFO{};
    exception->scode = FAILED(info.number) ? info.number : E_FAIL;
    exception->bstrSource = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(info.source.data()),
                                              static_cast<UINT>(info.source.size()));
    exception->bstrDescription = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(info.description.data()),
                                                   static_cast<UINT>(info.description.size()));
}

}  // namespace

void* PortableDispatch::findInterface(REFIID iid) noexcept {
    if (iid == IID_IUnknown || iid == IID_IDispatch) return static_cast<IDispatch*>(this);
    return nullptr;
}

STDMETHODIMP PortableDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP PortableDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP PortableDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    try {
        String name = fromWide(names[0]);  // zero-terminated, not a BSTR
        std::size_t index = 0;
        while (index < names_.size() && !sameName(names_[index], name)) ++index;
        if (index == names_.size()) names_.push_back(name);
        ids[0] = static_cast<DISPID>(index + 1);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    // Named arguments are not offered.
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

Variant PortableDispatch::invokeByName(const String& name, WORD flags, DISPPARAMS& params) {
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (params.cArgs < 1) throw Failure(DISP_E_BADPARAMCOUNT, u"A property assignment needs a value");
        object_->put(name, toPortable(params.rgvarg[0]));
        return Empty{};
    }
    if ((flags & DISPATCH_PROPERTYGET) && params.cArgs == 0) return object_->get(name);
    std::vector<Arg> args;
    args.reserve(params.cArgs);
    for (UINT i = params.cArgs; i-- > 0;) {
        const VARIANTARG& v = params.rgvarg[i];
        args.push_back(Arg{toPortable(v), (v.vt & VT_BYREF) != 0});
    }
    Variant result = object_->call(name, args);
    for (UINT i = 0; i < params.cArgs; ++i) {
        VARIANTARG& v = params.rgvarg[params.cArgs - 1 - i];
        if (v.vt & VT_BYREF) writeBack(args[i].value, v);
    }
    return result;
}

STDMETHODIMP PortableDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                      EXCEPINFO* exception, UINT*) {
    if (id < 1 || static_cast<std::size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
    DISPPARAMS none{};
    try {
        Variant value = invokeByName(names_[id - 1], flags, params ? *params : none);
        if (result) {
            VariantHolder converted;
            toVariant(value, converted.get());
            VariantClear(result);
            converted.moveTo(result);
        }
        return S_OK;
    } catch (const Failure& failure) {
        fillException(exception, failure.info());
    } catch (const Raised& raised) {
        fillException(exception, raised.info());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        fillException(exception, ErrorInfo{E_UNEXPECTED, String(), u"Unexpected failure inside a portable object"});
    }
    return DISP_E_EXCEPTION;
}

}  // namespace cz::win32

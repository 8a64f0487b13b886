#include "platform/win32/variant_conversion.h"

#include <memory>

#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/dispatch_object.h"
#include "platform/win32/portable_dispatch.h"
#include "platform/win32/variant_holder.h"

namespace cz::win32 {
namespace {

[[noreturn]] void typeMismatch() { throw Failure(runtime_error::TypeMismatch, u"Type mismatch"); }

Variant fromValue(const VARIANT& v) {
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return Empty{};
    case VT_ERROR:
        if (v.scode == DISP_E_PARAMNOTFOUND) return Missing{};
        break;
    case VT_I2:
        return std::int16_t{v.iVal};
    case VT_UI1:
        return std::int16_t{v.bVal};
    case VT_I1:
        return std::int16_t{v.cVal};
    case VT_I4:
        return std::int32_t{v.lVal};
    case VT_INT:
        return std::int32_t{v.intVal};
    case VT_UI2:
        return std::int32_t{v.uiVal};
    case VT_BOOL:
        return Boolean{toBool(v.boolVal != VARIANT_FALSE)};
    case VT_CY:
        return Currency{v.cyVal.int64};
    case VT_R8:
        return v.dblVal;
    case VT_R4:
        return double{v.fltVal};
    case VT_BSTR:
        return toString(v.bstrVal);
    case VT_DISPATCH:
        return toObject(v.pdispVal);
    case VT_UNKNOWN: {
        if (!v.punkVal) return Object();
        ComPtr<IDispatch> dispatch = ComPtr<IUnknown>(v.punkVal).as<IDispatch>(IID_IDispatch);
        if (!dispatch) typeMismatch();
        return toObject(dispatch.get());
    }
    default:
        break;
    }
    VariantHolder number;
    if (FAILED(VariantChangeType(number.get(), const_cast<VARIANT*>(&v), 0, VT_R8))) typeMismatch();
    return number->dblVal;
}

}  // namespace

Variant toPortable(const VARIANT& value) {
    if (value.vt == (VT_BYREF | VT_VARIANT)) {
        if (!value.pvarVal) typeMismatch();
        return toPortable(*value.pvarVal);
    }
    if (!(value.vt & VT_BYREF)) return fromValue(value);
    VariantHolder copy;
    if (FAILED(VariantCopyInd(copy.get(), const_cast<VARIANT*>(&value)))) typeMismatch();
    return fromValue(*copy.get());
}

void toVariant(const Variant& value, VARIANT* target) {
    struct Writer {
        VARIANT* t;
        void operator()(Empty) const { t->vt = VT_EMPTY; }
        void operator()(Missing) const {
            t->vt = VT_ERROR;
            t->scode = DISP_E_PARAMNOTFOUND;
        }
        void operator()(std::uint8_t v) const {
            t->vt = VT_UI1;
            t->bVal = v;
        }
        void operator()(std::int16_t v) const {
            t->vt = VT_I2;
            t->iVal = v;
        }
        void operator()(std::int32_t v) const {
            t->vt = VT_I4;
            t->lVal = v;
        }
        void operator()(Boolean v) const {
            t->vt = VT_BOOL;
            t->boolVal = v.value ? VARIANT_TRUE : VARIANT_FALSE;
        }
        void operator()(Currency v) const {
            t->vt = VT_CY;
            t->cyVal.int64 = v.scaled;
        }
        void operator()(double v) const {
            t->vt = VT_R8;
            t->dblVal = v;
        }
        void operator()(const String& v) const {
            t->bstrVal = Bstr(v).detach();
            t->vt = VT_BSTR;
        }
        void operator()(const Object& v) const {
            t->pdispVal = toDispatch(v).detach();
            t->vt = VT_DISPATCH;
        }
    };
    VariantInit(target);
    std::visit(Writer{target}, value);
}

Object toObject(IDispatch* dispatch) {
    if (!dispatch) return Object();
    return std::make_shared<DispatchObject>(ComPtr<IDispatch>(dispatch));
}

ComPtr<IDispatch> toDispatch(const Object& object) {
    if (!object) return ComPtr<IDispatch>();
    if (auto* wrapper = dynamic_cast<DispatchObject*>(object.get())) return ComPtr<IDispatch>(wrapper->dispatch());
    return ComPtr<IDispatch>::adopt(new PortableDispatch(object));
}

}  // namespace cz::win32

#include "com/common/tolerant_invoke.h"

#include <limits>
#include <new>
#include <vector>

#include "com/common/parameter_types.h"
#include "platform/win32/variant_holder.h"

namespace cz::com {
namespace {

using win32::VariantHolder;

constexpr UINT kNoOriginal = std::numeric_limits<UINT>::max();

bool isMissing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }
bool isObjectType(VARTYPE vt) { return vt == VT_DISPATCH || vt == VT_UNKNOWN; }

// What a caller learns about an argument that could not take its parameter's type.
HRESULT conversionFailure(HRESULT hr) {
    return hr == E_OUTOFMEMORY || hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
}

void setMissing(VARIANT* v) {
    v->vt = VT_ERROR;
    v->scode = DISP_E_PARAMNOTFOUND;
}

// The value an omitted optional parameter without a default receives.
HRESULT zeroValue(VARTYPE vt, VARIANT* target) {
    VariantInit(target);
    switch (vt) {
    case VT_BSTR:
        target->bstrVal = SysAllocStringLen(L"", 0);
        if (!target->bstrVal) return E_OUTOFMEMORY;
        break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        target->punkVal = nullptr;
        break;
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_I8: case VT_UI8: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL: case VT_ERROR:
        target->llVal = 0;
        break;
    default:
        setMissing(target);
        return S_OK;
    }
    target->vt = vt;
    return S_OK;
}

// Converts source (read through any reference) to vt into an empty target. Empty and Null become the
// null reference where an object is wanted.
HRESULT convert(const VARIANT& source, VARTYPE vt, VARIANT* target) {
    VariantHolder plain;
    HRESULT hr = VariantCopyInd(plain.get(), const_cast<VARIANT*>(&source));
    if (FAILED(hr)) return hr;
    if (plain->vt == vt) {
        plain.moveTo(target);
        return S_OK;
    }
    if (isObjectType(vt) && (plain->vt == VT_EMPTY || plain->vt == VT_NULL)) return zeroValue(vt, target);
    VariantInit(target);
    return VariantChangeType(target, plain.get(), 0, vt);
}

// Prepares the arguments of one call: the prepared DISPPARAMS point at the caller's variables or at
// values owned here, which live until the call is over.
class PreparedCall {
public:
    HRESULT prepare(ITypeInfo& info, DISPID id, WORD flags, const DISPPARAMS& original, UINT* argError);
    DISPPARAMS* params() { return &params_; }
    // The caller's index of a prepared argument, for the argument-error position.
    UINT originalIndex(UINT prepared) const { return prepared < origin_.size() ? origin_[prepared] : kNoOriginal; }

private:
    HRESULT prepareOne(const VARIANTARG* source, const ParameterType& type, VARIANTARG& out);
    // Points the argument at a copy of the source converted to the parameter's type.
    HRESULT placeConverted(const VARIANTARG& source, const ParameterType& type, VARIANTARG& out);
    VARIANT* newValue() { return storage_.emplace_back().get(); }
    // Passes an owned value in the parameter's form: by value, or by reference to it.
    void place(VARIANT* value, const ParameterType& type, VARIANTARG& out);

    std::vector<VARIANTARG> args_;
    std::vector<UINT> origin_;
    std::vector<VariantHolder> storage_;  // reserved up front: references point into it
    std::vector<DISPID> named_;
    DISPPARAMS params_{};
};

void PreparedCall::place(VARIANT* value, const ParameterType& type, VARIANTARG& out) {
    VariantInit(&out);
    if (!type.byRef) {
        out = *value;  // a view; storage_ owns the value
    } else if (type.vt == VT_VARIANT) {
        out.vt = VT_BYREF | VT_VARIANT;
        out.pvarVal = value;
    } else {
        out.vt = static_cast<VARTYPE>(VT_BYREF | value->vt);
        out.byref = win32::valueAddress(value);
    }
}

HRESULT PreparedCall::prepareOne(const VARIANTARG* source, const ParameterType& type, VARIANTARG& out) {
    if (type.passThrough) {
        if (source) {
            out = *source;
        } else {
            VariantInit(&out);
            setMissing(&out);
        }
        return S_OK;
    }

    if (!source || isMissing(*source)) {
        VARIANT* value = newValue();
        HRESULT hr = S_OK;
        if (type.defaultValue && !isObjectType(type.vt))
            hr = type.vt == VT_VARIANT ? VariantCopy(value, const_cast<VARIANT*>(type.defaultValue)) : convert(*type.defaultValue, type.vt, value);
        else if (type.optional && type.vt != VT_VARIANT)
            hr = zeroValue(type.vt, value);
        else
            setMissing(value);
        if (FAILED(hr)) return hr;
        place(value, type, out);
        return S_OK;
    }

    if (type.byRef && type.vt != VT_VARIANT) {
        if (source->vt == (VT_BYREF | VT_VARIANT) && source->pvarVal) {
            VARIANT* variable = source->pvarVal;
            while (variable->vt == (VT_BYREF | VT_VARIANT) && variable->pvarVal) variable = variable->pvarVal;
            if (variable->vt != type.vt) {
                VariantHolder converted;
                HRESULT hr = convert(*variable, type.vt, converted.get());
                if (FAILED(hr)) return hr;
                VariantClear(variable);
                converted.moveTo(variable);
            }
            VariantInit(&out);
            out.vt = static_cast<VARTYPE>(VT_BYREF | type.vt);
            out.byref = win32::valueAddress(variable);
            return S_OK;
        }
        if (source->vt == (VT_BYREF | type.vt)) {
            out = *source;
            return S_OK;
        }
        // A value, or a reference of another type: the member works on a converted copy.
        return placeConverted(*source, type, out);
    }

    if (type.vt == VT_VARIANT) {
        if (type.byRef ? source->vt == (VT_BYREF | VT_VARIANT) : !(source->vt & VT_BYREF)) {
            out = *source;
            return S_OK;
        }
        // By value the member gets the value read through the reference; by reference it gets a variant
        // of its own that holds the caller's typed reference as it is, or a copy of the caller's value.
        VARIANT* value = newValue();
        VARIANTARG* given = const_cast<VARIANTARG*>(source);
        HRESULT hr = type.byRef ? VariantCopy(value, given) : VariantCopyInd(value, given);
        if (FAILED(hr)) return hr;
        place(value, type, out);
        return S_OK;
    }

    if (source->vt == type.vt) {
        out = *source;
        return S_OK;
    }
    return placeConverted(*source, type, out);
}

HRESULT PreparedCall::placeConverted(const VARIANTARG& source, const ParameterType& type, VARIANTARG& out) {
    VARIANT* value = newValue();
    HRESULT hr = convert(source, type.vt, value);
    if (FAILED(hr)) return hr;
    place(value, type, out);
    return S_OK;
}

HRESULT PreparedCall::prepare(ITypeInfo& info, DISPID id, WORD flags, const DISPPARAMS& original, UINT* argError) {
    params_ = original;
    MemberDescription member;
    if (!member.load(info, id, flags)) return S_OK;  // ITypeInfo::Invoke gives its own answer
    const auto& declared = member.parameters();
    const UINT count = original.cArgs;
    const UINT namedCount = original.cNamedArgs;
    const bool assignment = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && namedCount == 1 &&
                            original.rgdispidNamedArgs && original.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;

    // Slot k of the prepared arguments: the declared parameter it fills and the caller's argument, if any.
    struct Slot {
        const ParameterType* type;
        UINT origin;
    };
    std::vector<Slot> slots;

    if (namedCount > 0 && !assignment) {
        // Arguments by name: each is converted for its parameter; nothing is added.
        for (UINT k = 0; k < count; ++k) {
            UINT index = k < namedCount ? static_cast<UINT>(original.rgdispidNamedArgs[k]) : count - 1 - k;
            if (index >= declared.size()) return S_OK;
            slots.push_back({&declared[index], k});
        }
    } else {
        const UINT positionalDeclared = static_cast<UINT>(declared.size()) - (assignment ? 1 : 0);
        const UINT positionalGiven = count - namedCount;
        if (assignment && declared.empty()) return S_OK;
        if (positionalGiven > positionalDeclared) return S_OK;  // too many: ITypeInfo::Invoke says so
        // Omitted trailing parameters are supplied when all of them are optional.
        UINT positional = positionalDeclared;
        for (UINT j = positionalGiven; j < positionalDeclared; ++j)
            if (!declared[j].optional) positional = positionalGiven;
        if (assignment) slots.push_back({&declared.back(), 0});
        for (UINT j = positional; j-- > 0;)
            slots.push_back({&declared[j], j < positionalGiven ? count - 1 - j : kNoOriginal});
    }

    storage_.reserve(slots.size());
    args_.resize(slots.size());
    origin_.resize(slots.size());
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const VARIANTARG* source = slots[k].origin == kNoOriginal ? nullptr : &original.rgvarg[slots[k].origin];
        origin_[k] = slots[k].origin;
        HRESULT hr = prepareOne(source, *slots[k].type, args_[k]);
        if (FAILED(hr)) {
            if (argError && slots[k].origin != kNoOriginal) *argError = slots[k].origin;
            return conversionFailure(hr);
        }
    }
    named_.assign(original.rgdispidNamedArgs, original.rgdispidNamedArgs + namedCount);
    params_.rgvarg = args_.data();
    params_.cArgs = static_cast<UINT>(args_.size());
    params_.rgdispidNamedArgs = named_.empty() ? nullptr : named_.data();
    params_.cNamedArgs = namedCount;
    return S_OK;
}

}  // namespace

HRESULT invokeTolerant(ITypeInfo& vtableInfo, void* instance, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept {
    if (!params) return E_INVALIDARG;
    try {
        PreparedCall call;
        HRESULT hr = call.prepare(vtableInfo, id, flags, *params, argError);
        if (FAILED(hr)) return hr;
        UINT preparedError = 0;
        hr = vtableInfo.Invoke(instance, id, flags, call.params(), result, exception, &preparedError);
        if (FAILED(hr) && argError && (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND)) {
            UINT origin = call.originalIndex(preparedError);
            if (origin != kNoOriginal) *argError = origin;
        }
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace cz::com

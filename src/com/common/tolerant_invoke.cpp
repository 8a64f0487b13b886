#include "com/common/tolerant_invoke.h"

#include <cstdint>

#include "com/common/argument_values.h"
#include "com/common/member_call.h"
#include "platform/win32/com_ptr.h"

namespace cz::com {
namespace {

using Word = std::uintptr_t;

// What VariantInit does, without a call into the automation library on every argument.
inline void makeEmpty(VARIANT& v) noexcept { v.vt = VT_EMPTY; }

// Whether VariantClear has anything to release: the plain numeric types (and Empty, Null, a reference,
// which owns nothing) need no call.
inline bool ownsResources(VARTYPE vt) noexcept {
    if (vt & VT_BYREF) return false;
    switch (vt) {
    case VT_EMPTY: case VT_NULL: case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4:
    case VT_INT: case VT_UINT: case VT_I8: case VT_UI8: case VT_R4: case VT_R8: case VT_CY: case VT_DATE:
    case VT_BOOL: case VT_ERROR:
        return false;
    default:
        return true;
    }
}

inline void release(VARIANT& v) noexcept {
    if (ownsResources(v.vt)) VariantClear(&v);
    else makeEmpty(v);
}

void setMissing(VARIANT& v) {
    makeEmpty(v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
}

// The value an omitted optional parameter without a default receives.
HRESULT zeroValue(VARTYPE vt, VARIANT& target) {
    makeEmpty(target);
    target.llVal = 0;
    if (vt == VT_BSTR) {
        target.bstrVal = SysAllocStringLen(L"", 0);
        if (!target.bstrVal) return E_OUTOFMEMORY;
    }
    target.vt = vt;
    return S_OK;
}

// The word the calling convention passes for an argument of word size.
Word asWord(const VARIANTARG& v) {
    if (v.vt & VT_BYREF) return reinterpret_cast<Word>(v.byref);
    switch (v.vt) {
    case VT_I1: return static_cast<Word>(static_cast<std::intptr_t>(v.cVal));
    case VT_UI1: return v.bVal;
    case VT_I2: return static_cast<Word>(static_cast<std::intptr_t>(v.iVal));
    case VT_UI2: return v.uiVal;
    case VT_BOOL: return static_cast<Word>(static_cast<std::intptr_t>(v.boolVal));
    case VT_I4: case VT_INT: case VT_ERROR: return static_cast<Word>(static_cast<std::intptr_t>(v.lVal));
    case VT_UI4: case VT_UINT: return v.ulVal;
    default: return reinterpret_cast<Word>(v.byref);  // BSTR and interfaces: the pointer
    }
}

// One argument as the member receives it.
struct Argument {
    VARIANTARG pass;             // a value (a view of the caller's or of local) or a reference
    VARIANT local;               // a value owned here, cleared after the call
    VARIANT* writeBack;          // the caller's variable that takes local if the member changed it
    LONGLONG before;             // local's value as it went in
};

// One call of one member: binds the caller's arguments to the declared parameters, prepares each, calls
// the member and hands back what it wrote and returned. Allocates nothing for integer arguments.
class Call {
public:
    Call(const Member& member, const DISPPARAMS& params) noexcept : member_(member), params_(params) {
        makeEmpty(result_);
    }
    ~Call() {
        for (unsigned j = 0; j < prepared_; ++j) release(args_[j].local);
        release(result_);
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    HRESULT bind(UINT* argError) noexcept;
    HRESULT prepare(UINT* argError) noexcept;
    // The member's HRESULT (or DispCallFunc's failure).
    HRESULT invoke(void* instance) noexcept;
    void writeBack() noexcept;
    void deliver(VARIANT* result) noexcept;

private:
    HRESULT prepareGiven(const ParameterType& type, const VARIANT& given, Argument& a) noexcept;
    HRESULT prepareOmitted(const ParameterType& type, bool passedAsMissing, Argument& a) noexcept;
    void placeLocal(const ParameterType& type, Argument& a) noexcept;

    const Member& member_;
    const DISPPARAMS& params_;
    const VARIANT* given_[kMaxParameters];
    UINT origin_[kMaxParameters];  // the caller's index of each given argument
    Argument args_[kMaxParameters];
    unsigned prepared_ = 0;
    VARIANT result_;
};

HRESULT Call::bind(UINT* argError) noexcept {
    const auto& declared = member_.parameters;
    const UINT n = static_cast<UINT>(declared.size());
    const bool put = member_.kind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF);
    if (put && n == 0) return DISP_E_BADPARAMCOUNT;
    const UINT indexed = put ? n - 1 : n;  // parameters before a put's value
    const UINT total = params_.cArgs, named = params_.cNamedArgs;
    if (total > n) return DISP_E_BADPARAMCOUNT;  // before reading either array
    UINT positional = total - named;
    for (UINT j = 0; j < n; ++j) given_[j] = nullptr;

    if (put) {
        for (UINT k = 0; k < named; ++k) {
            if (params_.rgdispidNamedArgs[k] != DISPID_PROPERTYPUT) continue;
            if (given_[n - 1]) return DISP_E_PARAMNOTFOUND;
            given_[n - 1] = &params_.rgvarg[k];
            origin_[n - 1] = k;
        }
        if (!given_[n - 1]) {
            // Some clients pass the value of a put as the last positional argument.
            if (named != 0 || total == 0) return DISP_E_BADPARAMCOUNT;
            given_[n - 1] = &params_.rgvarg[0];
            origin_[n - 1] = 0;
            --positional;
        }
    }
    if (positional > indexed) return DISP_E_BADPARAMCOUNT;
    for (UINT j = 0; j < positional; ++j) {
        given_[j] = &params_.rgvarg[total - 1 - j];
        origin_[j] = total - 1 - j;
    }
    for (UINT k = 0; k < named; ++k) {
        const DISPID index = params_.rgdispidNamedArgs[k];
        if (put && index == DISPID_PROPERTYPUT) continue;
        if (index < 0 || static_cast<UINT>(index) >= indexed || given_[index]) {
            if (argError) *argError = k;
            return DISP_E_PARAMNOTFOUND;
        }
        given_[index] = &params_.rgvarg[k];
        origin_[index] = k;
    }
    return S_OK;
}

HRESULT Call::prepare(UINT* argError) noexcept {
    const auto& declared = member_.parameters;
    for (unsigned j = 0; j < declared.size(); ++j) {
        Argument& a = args_[j];
        makeEmpty(a.local);
        a.local.llVal = 0;
        a.writeBack = nullptr;
        prepared_ = j + 1;
        HRESULT hr = given_[j] ? prepareGiven(declared[j], *given_[j], a) : prepareOmitted(declared[j], false, a);
        if (FAILED(hr)) {
            if (!given_[j]) return hr == DISP_E_PARAMNOTFOUND && params_.cNamedArgs == 0 ? DISP_E_BADPARAMCOUNT : hr;
            if (argError) *argError = origin_[j];
            return hr;
        }
    }
    return S_OK;
}

void Call::placeLocal(const ParameterType& type, Argument& a) noexcept {
    makeEmpty(a.pass);
    if (!type.byRef) {
        a.pass = a.local;  // a view; local owns the value
    } else if (type.vt == VT_VARIANT) {
        a.pass.vt = VT_BYREF | VT_VARIANT;
        a.pass.pvarVal = &a.local;
    } else {
        a.pass.vt = static_cast<VARTYPE>(VT_BYREF | type.vt);
        a.pass.byref = &a.local.llVal;
    }
}

HRESULT Call::prepareOmitted(const ParameterType& type, bool passedAsMissing, Argument& a) noexcept {
    HRESULT hr = S_OK;
    if (type.hasDefault) hr = VariantCopy(&a.local, const_cast<VARIANT*>(type.defaultValue.get()));
    else if (type.vt == VT_VARIANT && (type.optional || passedAsMissing)) setMissing(a.local);
    else if (type.optional) hr = zeroValue(type.vt, a.local);
    else return DISP_E_PARAMNOTFOUND;
    if (FAILED(hr)) return hr;
    placeLocal(type, a);
    return S_OK;
}

HRESULT Call::prepareGiven(const ParameterType& type, const VARIANT& given, Argument& a) noexcept {
    ResolvedArgument resolved;
    HRESULT hr = resolveArgument(given, resolved);
    if (FAILED(hr)) return hr;
    const VARIANT& inner = *resolved.innermost;
    if (isMissing(inner)) return prepareOmitted(type, true, a);

    if (type.vt == VT_VARIANT) {
        if (!type.byRef) return readThrough(inner, a.pass);
        if (resolved.variable) {  // the member works on the caller's variable
            makeEmpty(a.pass);
            a.pass.vt = VT_BYREF | VT_VARIANT;
            a.pass.pvarVal = resolved.variable;
            return S_OK;
        }
        hr = VariantCopy(&a.local, const_cast<VARIANT*>(&inner));  // a typed reference stays one
        if (FAILED(hr)) return hr;
        placeLocal(type, a);
        return S_OK;
    }

    if (type.byRef) {
        makeEmpty(a.pass);
        if (inner.vt == (VT_BYREF | type.vt)) {
            a.pass = inner;
            return S_OK;
        }
        if (resolved.variable && resolved.variable->vt == type.vt) {
            a.pass.vt = static_cast<VARTYPE>(VT_BYREF | type.vt);
            a.pass.byref = &resolved.variable->llVal;
            return S_OK;
        }
    }
    VARIANT view;
    hr = readThrough(inner, view);
    if (FAILED(hr)) return hr;
    if (!type.byRef && view.vt == type.vt) {
        a.pass = view;
        return S_OK;
    }
    hr = coerce(view, type.vt, a.local);
    if (FAILED(hr)) return hr;
    placeLocal(type, a);
    // A script variable of another type gets the member's value only if the member changed it.
    if (type.out && resolved.variable && !(inner.vt & VT_BYREF)) {
        a.writeBack = resolved.variable;
        a.before = a.local.llVal;
    }
    return S_OK;
}

HRESULT Call::invoke(void* instance) noexcept {
    const unsigned n = prepared_;
    void* resultAddress = nullptr;
    if (member_.hasResult) {
        if (member_.resultVt == VT_VARIANT) {
            resultAddress = &result_;
        } else {
            result_.llVal = 0;
            result_.vt = member_.resultVt;
            resultAddress = &result_.llVal;
        }
    }
    const unsigned count = n + (member_.hasResult ? 1 : 0);
    if (member_.wordArguments) {
        Word words[kMaxWords];
        for (unsigned j = 0; j < n; ++j) words[j] = asWord(args_[j].pass);
        if (member_.hasResult) words[n] = reinterpret_cast<Word>(resultAddress);
        return callWithWords(instance, member_.vtableSlot, words, count);
    }
    VARIANTARG* pointers[kMaxWords];
    VARTYPE types[kMaxWords];
    for (unsigned j = 0; j < n; ++j) {
        pointers[j] = &args_[j].pass;
        types[j] = member_.parameters[j].byRef || member_.parameters[j].vt != VT_VARIANT ? args_[j].pass.vt : static_cast<VARTYPE>(VT_VARIANT);
    }
    VARIANTARG resultArgument;
    if (member_.hasResult) {
        makeEmpty(resultArgument);
        resultArgument.vt = static_cast<VARTYPE>(VT_BYREF | member_.resultVt);
        resultArgument.byref = resultAddress;
        pointers[n] = &resultArgument;
        types[n] = resultArgument.vt;
    }
    HRESULT memberResult = S_OK;
    HRESULT hr = callWithVariants(instance, member_.vtableSlot, pointers, types, count, memberResult);
    return FAILED(hr) ? hr : memberResult;
}

void Call::writeBack() noexcept {
    for (unsigned j = 0; j < prepared_; ++j) {
        Argument& a = args_[j];
        if (!a.writeBack || a.local.llVal == a.before) continue;
        VariantClear(a.writeBack);
        *a.writeBack = a.local;
        makeEmpty(a.local);
    }
}

void Call::deliver(VARIANT* result) noexcept {
    if (!result) return;
    *result = result_;
    makeEmpty(result_);
}

// DISP_E_EXCEPTION with the member's code and the error information it left.
HRESULT exceptionFrom(HRESULT code, EXCEPINFO* exception) noexcept {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = code;
        win32::ComPtr<IErrorInfo> info;
        if (GetErrorInfo(0, info.put()) == S_OK) {
            info->GetSource(&exception->bstrSource);
            info->GetDescription(&exception->bstrDescription);
            info->GetHelpFile(&exception->bstrHelpFile);
            info->GetHelpContext(&exception->dwHelpContext);
        }
    }
    return DISP_E_EXCEPTION;
}

// What a caller's DISPPARAMS must satisfy before anything in it is read.
HRESULT checkParams(const DISPPARAMS* params) noexcept {
    if (!params) return E_INVALIDARG;
    if (params->cNamedArgs > params->cArgs) return E_INVALIDARG;
    if (params->cArgs > 0 && !params->rgvarg) return E_INVALIDARG;
    if (params->cNamedArgs > 0 && !params->rgdispidNamedArgs) return E_INVALIDARG;
    return S_OK;
}

// A member without parameters whose result is one value (a property read, mostly): nothing to bind or
// prepare, the value goes straight into the caller's result.
HRESULT readWithoutArguments(const Member& member, void* instance, VARIANT* result, EXCEPINFO* exception) noexcept {
    VARIANT value;
    value.vt = member.resultVt;
    value.llVal = 0;
    const Word address = reinterpret_cast<Word>(&value.llVal);
    const HRESULT hr = callWithWords(instance, member.vtableSlot, &address, 1);
    if (FAILED(hr)) {
        release(value);
        return exceptionFrom(hr, exception);
    }
    if (result) *result = value;
    else release(value);
    return hr;
}

}  // namespace

HRESULT invokeMember(const MemberTable& members, void* instance, DISPID id, WORD flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept {
    if (result) makeEmpty(*result);
    const Member* member = members.find(id, flags);
    // A script's plain assignment of an object (JScript has no other) to a property that takes only
    // references.
    if (!member && (flags & DISPATCH_PROPERTYPUT)) member = members.find(id, DISPATCH_PROPERTYPUTREF);
    if (!member) return DISP_E_MEMBERNOTFOUND;
    HRESULT hr = checkParams(params);
    if (FAILED(hr)) return hr;
    if (params->cArgs == 0 && member->parameters.empty() && member->hasResult && member->resultVt != VT_VARIANT)
        return readWithoutArguments(*member, instance, result, exception);
    Call call(*member, *params);
    hr = call.bind(argError);
    if (SUCCEEDED(hr)) hr = call.prepare(argError);
    if (FAILED(hr)) return hr;
    hr = call.invoke(instance);
    call.writeBack();
    if (FAILED(hr)) return exceptionFrom(hr, exception);
    call.deliver(result);
    return hr;
}

}  // namespace cz::com

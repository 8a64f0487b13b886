// The dispatch's reading and conversion of an argument with any variant shape a caller can hand over:
// chains of by-reference variants of any depth with a null link anywhere, typed references (null, or to
// exactly as many bytes as the type holds), any type tag and any payload, converted to every parameter
// type. A chain is followed at most kMaxReferenceDepth levels, a null is never read, a reference reads no
// more than its type holds, NaN and infinities are no integers, small integers convert exactly or
// overflow, and nothing leaks (the automation calls are a host model: tests/fuzz/automation_shim).
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "com/common/argument_values.h"
#include "fuzz_input.h"

using namespace cz::com;
using namespace cz::fuzz;

namespace {

constexpr VARTYPE kBaseTypes[] = {VT_EMPTY, VT_NULL, VT_I2, VT_I4, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BSTR, VT_DISPATCH,
                                  VT_ERROR, VT_BOOL, VT_UNKNOWN, VT_DECIMAL, VT_I1, VT_UI1, VT_UI2, VT_UI4, VT_I8,
                                  VT_UI8, VT_INT, VT_UINT, 15, 24, 36, 0xFFF};
constexpr VARTYPE kTargets[] = {VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_INT, VT_UINT, VT_I8, VT_BOOL,
                                VT_R4, VT_R8, VT_BSTR, VT_DISPATCH, VT_UNKNOWN, VT_ERROR};

// What the system stores behind a reference of each type; 0 for the types a reference cannot be read as.
std::size_t PointeeSize(VARTYPE base) {
    switch (base) {
    case VT_I1: case VT_UI1: return 1;
    case VT_I2: case VT_UI2: case VT_BOOL: return 2;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR: return 4;
    case VT_I8: case VT_UI8: case VT_R8: case VT_DATE: case VT_CY: return 8;
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: return sizeof(void*);
    case VT_DECIMAL: return sizeof(DECIMAL);
    default: return 0;
    }
}

bool IsSmallInteger(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_BOOL:
        return true;
    default:
        return false;
    }
}

bool IsInteger(VARTYPE vt) { return (IsSmallInteger(vt) && vt != VT_BOOL) || vt == VT_I8 || vt == VT_UI8 || vt == VT_ERROR; }

std::int64_t SmallValue(const VARIANT& v) {
    switch (v.vt) {
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_I2: return v.iVal;
    case VT_UI2: return v.uiVal;
    case VT_BOOL: return v.boolVal;
    case VT_I4: case VT_INT: return v.lVal;
    default: return v.ulVal;
    }
}

bool InRange(std::int64_t value, VARTYPE vt) {
    switch (vt) {
    case VT_I1: return value >= -128 && value <= 127;
    case VT_UI1: return value >= 0 && value <= 255;
    case VT_I2: return value >= -32768 && value <= 32767;
    case VT_UI2: return value >= 0 && value <= 65535;
    case VT_I4: case VT_INT: return value >= INT32_MIN && value <= INT32_MAX;
    case VT_UI4: case VT_UINT: return value >= 0 && value <= UINT32_MAX;
    default: return true;
    }
}

// Everything a shape owns, released at the end of the run.
struct Shape {
    VARIANT inner{};
    std::vector<std::unique_ptr<VARIANT>> links;  // links[0] is the argument when there is a chain
    std::vector<std::unique_ptr<unsigned char[]>> pointees;
    std::vector<BSTR> strings;
    ~Shape() {
        for (BSTR s : strings) SysFreeString(s);
    }
    BSTR string(FuzzedDataProvider& in) {
        const cz::String text = Text(in, 12);
        BSTR s = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        strings.push_back(s);
        return s;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Shape shape;
    VARIANT& inner = shape.inner;
    VARTYPE base = in.ConsumeBool() ? kBaseTypes[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kBaseTypes) - 1)]
                                    : static_cast<VARTYPE>(in.ConsumeIntegral<VARTYPE>() & 0x0FFF);
    const bool byRef = in.ConsumeBool();
    const bool array = in.ConsumeIntegralInRange(0, 7) == 0;
    if (base == VT_VARIANT) base = VT_I4;  // a reference to a variant is a link of the chain below
    inner.vt = static_cast<VARTYPE>(base | (byRef ? VT_BYREF : 0) | (array ? VT_ARRAY : 0));
    inner.llVal = in.ConsumeIntegral<std::int64_t>();
    static int dummyObject;
    void* const object = in.ConsumeBool() ? static_cast<void*>(&dummyObject) : nullptr;  // never read
    if (!byRef && !array) {
        if (base == VT_BSTR) inner.bstrVal = in.ConsumeBool() ? shape.string(in) : nullptr;
        if (base == VT_DISPATCH || base == VT_UNKNOWN) inner.byref = object;
    }
    bool nullReference = false;
    if (byRef) {
        if (in.ConsumeIntegralInRange(0, 5) == 0) {
            inner.byref = nullptr;
            nullReference = true;
        } else {
            // Exactly the bytes the type holds (one for a type without a size), so that reading more is a
            // sanitizer's finding.
            const std::size_t bytes = std::max<std::size_t>(array ? sizeof(void*) : PointeeSize(base), 1);
            auto pointee = std::make_unique<unsigned char[]>(bytes);
            const std::string payload = in.ConsumeBytesAsString(bytes);
            std::memcpy(pointee.get(), payload.data(), payload.size());
            if (!array && base == VT_BSTR) {
                BSTR s = in.ConsumeBool() ? shape.string(in) : nullptr;
                std::memcpy(pointee.get(), &s, sizeof s);
            }
            if (array || base == VT_DISPATCH || base == VT_UNKNOWN) std::memcpy(pointee.get(), &object, sizeof object);
            inner.byref = pointee.get();
            shape.pointees.push_back(std::move(pointee));
        }
    }
    // The chain in front: links[k] refers to links[k + 1], the last to the inner variant; one link may be null.
    const int depth = in.ConsumeIntegralInRange(0, 12);
    const int broken = in.ConsumeIntegralInRange(-1, depth - 1);
    for (int k = 0; k < depth; ++k) {
        auto link = std::make_unique<VARIANT>();
        link->vt = VT_BYREF | VT_VARIANT;
        shape.links.push_back(std::move(link));
    }
    for (int k = 0; k < depth; ++k)
        shape.links[k]->pvarVal = k == broken ? nullptr : k + 1 < depth ? shape.links[k + 1].get() : &inner;
    const VARIANT& argument = depth > 0 ? *shape.links[0] : inner;

    ResolvedArgument resolved;
    const HRESULT found = resolveArgument(argument, resolved);
    const bool reachable = broken < 0 && depth <= kMaxReferenceDepth;
    if (!reachable || nullReference) {
        FUZZ_CHECK(found == DISP_E_TYPEMISMATCH);
        return 0;
    }
    FUZZ_CHECK(found == S_OK);
    FUZZ_CHECK(resolved.innermost == &inner);
    FUZZ_CHECK(resolved.variable == (depth > 0 ? &inner : nullptr));

    VARIANT view;
    const HRESULT read = readThrough(inner, view);
    if (!byRef) {
        FUZZ_CHECK(read == S_OK && view.vt == inner.vt && view.llVal == inner.llVal);
    } else if (array || PointeeSize(base) == 0) {
        FUZZ_CHECK(read == DISP_E_TYPEMISMATCH);
        return 0;
    } else {
        FUZZ_CHECK(read == S_OK && view.vt == base);
        if (base == VT_DECIMAL) FUZZ_CHECK(std::memcmp(&view.decVal, inner.byref, sizeof(DECIMAL)) == 0);
        else FUZZ_CHECK(std::memcmp(&view.llVal, inner.byref, PointeeSize(base)) == 0);
    }

    for (VARTYPE vt : kTargets) {
        VARIANT target;
        target.vt = VT_EMPTY;
        const HRESULT hr = coerce(view, vt, target);
        FUZZ_CHECK(hr == S_OK || hr == DISP_E_OVERFLOW || hr == DISP_E_TYPEMISMATCH || hr == E_OUTOFMEMORY);
        if (FAILED(hr)) FUZZ_CHECK(target.vt == VT_EMPTY);
        else FUZZ_CHECK(target.vt == vt);
        const bool notFinite = (view.vt == VT_R8 && !std::isfinite(view.dblVal)) || (view.vt == VT_R4 && !std::isfinite(view.fltVal));
        if (IsInteger(vt) && notFinite) FUZZ_CHECK(hr == DISP_E_OVERFLOW);
        if (IsSmallInteger(view.vt) && IsSmallInteger(vt) && view.vt != vt) {
            const std::int64_t value = SmallValue(view);
            if (vt == VT_BOOL) {
                FUZZ_CHECK(hr == S_OK && target.boolVal == (value ? VARIANT_TRUE : VARIANT_FALSE));
            } else {
                FUZZ_CHECK((hr == S_OK) == InRange(value, vt));
                if (hr == S_OK) FUZZ_CHECK(SmallValue(target) == value);
            }
        }
        if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) && (view.vt == VT_EMPTY || view.vt == VT_NULL))
            FUZZ_CHECK(hr == S_OK && target.punkVal == nullptr);
        VariantClear(&target);
    }
    return 0;
}

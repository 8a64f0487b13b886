#include "com/common/parameter_types.h"

#include "com/common/type_info_records.h"
#include "platform/win32/com_ptr.h"

namespace cz::com {
namespace {

using win32::ComPtr;

// A declared type reduced to its value type and the number of pointers above it. An interface is a
// pointer by nature, so IFontDisp* is a value (0) and IFontDisp** a reference (1).
struct Reduced {
    VARTYPE vt = VT_EMPTY;
    int pointers = 0;
};

Reduced reduce(ITypeInfo& info, const TYPEDESC& type, int depth = 0);

Reduced reduceUserDefined(ITypeInfo& info, HREFTYPE ref, int depth) {
    ComPtr<ITypeInfo> target;
    TypeAttributes attr;
    if (depth > 8 || FAILED(info.GetRefTypeInfo(ref, target.put())) || FAILED(target->GetTypeAttr(attr.put(*target.get()))))
        return {VT_USERDEFINED, 0};
    switch (attr->typekind) {
    case TKIND_ENUM:
        return {VT_I4, 0};
    case TKIND_ALIAS:
        return reduce(*target.get(), attr->tdescAlias, depth + 1);
    case TKIND_DISPATCH:
    case TKIND_COCLASS:
        return {VT_DISPATCH, -1};
    case TKIND_INTERFACE:
        return {static_cast<VARTYPE>((attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN), -1};
    default:
        return {VT_USERDEFINED, 0};
    }
}

Reduced reduce(ITypeInfo& info, const TYPEDESC& type, int depth) {
    if (type.vt == VT_PTR && depth <= 8) {
        Reduced inner = reduce(info, *type.lptdesc, depth + 1);
        ++inner.pointers;
        return inner;
    }
    if (type.vt == VT_USERDEFINED) return reduceUserDefined(info, type.hreftype, depth);
    return {type.vt, 0};
}

bool handled(VARTYPE vt) {
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_I8: case VT_UI8: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL: case VT_ERROR:
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: case VT_VARIANT: case VT_DECIMAL:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool describeParameter(ITypeInfo& info, const ELEMDESC& element, ParameterType& p) {
    const Reduced reduced = reduce(info, element.tdesc);
    const USHORT flags = element.paramdesc.wParamFlags;
    if (reduced.pointers < 0 || reduced.pointers > 1 || !handled(reduced.vt) || (flags & PARAMFLAG_FLCID))
        return false;
    p.vt = reduced.vt;
    p.byRef = reduced.pointers == 1;
    p.out = p.byRef && (flags & PARAMFLAG_FOUT);
    p.optional = (flags & PARAMFLAG_FOPT) != 0;
    if ((flags & PARAMFLAG_FHASDEFAULT) && element.paramdesc.pparamdescex) {
        VARIANT* declared = &element.paramdesc.pparamdescex->varDefaultValue;
        VARIANT* value = p.defaultValue.get();
        HRESULT hr = p.vt == VT_VARIANT ? VariantCopy(value, declared) : VariantChangeType(value, declared, 0, p.vt);
        // An object parameter's default is Nothing whatever the record says.
        p.hasDefault = SUCCEEDED(hr) && p.vt != VT_DISPATCH && p.vt != VT_UNKNOWN;
        if (!p.hasDefault) VariantClear(value);
    }
    return true;
}

}  // namespace cz::com

#include "com/common/parameter_types.h"

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
    if (type.vt == VT_PTR) {
        Reduced inner = reduce(info, *type.lptdesc, depth + 1);
        ++inner.pointers;
        return inner;
    }
    if (type.vt == VT_USERDEFINED) return reduceUserDefined(info, type.hreftype, depth);
    return {type.vt, 0};
}

ParameterType describe(ITypeInfo& info, const ELEMDESC& element) {
    ParameterType p;
    Reduced reduced = reduce(info, element.tdesc);
    p.vt = reduced.vt;
    p.byRef = reduced.pointers == 1;
    p.passThrough = reduced.pointers < 0 || reduced.pointers > 1 || reduced.vt == VT_USERDEFINED ||
                    (reduced.vt & (VT_ARRAY | VT_VECTOR)) || reduced.vt == VT_SAFEARRAY || reduced.vt == VT_CARRAY;
    const USHORT flags = element.paramdesc.wParamFlags;
    p.optional = (flags & PARAMFLAG_FOPT) != 0;
    if ((flags & PARAMFLAG_FHASDEFAULT) && element.paramdesc.pparamdescex)
        p.defaultValue = &element.paramdesc.pparamdescex->varDefaultValue;
    return p;
}

}  // namespace

bool MemberDescription::load(ITypeInfo& info, DISPID id, WORD flags) {
    TypeAttributes attr;
    if (FAILED(info.GetTypeAttr(attr.put(info)))) return false;
    for (UINT i = 0; i < attr->cFuncs && !desc_; ++i) {
        FunctionDescription candidate;
        if (FAILED(info.GetFuncDesc(i, candidate.put(info)))) continue;
        if (candidate->memid == id && (candidate->invkind & flags)) desc_ = std::move(candidate);
    }
    if (!desc_) return false;
    for (SHORT i = 0; i < desc_->cParams; ++i) {
        const ELEMDESC& element = desc_->lprgelemdescParam[i];
        const USHORT paramFlags = element.paramdesc.wParamFlags;
        if (paramFlags & PARAMFLAG_FLCID) return false;
        if (paramFlags & PARAMFLAG_FRETVAL) continue;
        parameters_.push_back(describe(info, element));
    }
    return true;
}

}  // namespace cz::com

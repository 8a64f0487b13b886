#include "com/common/member_table.h"

#include <algorithm>
#include <new>

#include "com/common/type_info_records.h"

namespace cz::com {
namespace {

// One machine word as the calling convention passes it: integers up to the word's size, strings and
// interfaces (pointers) by value, anything by reference.
bool fitsWord(const ParameterType& p) {
    if (p.byRef) return true;
    switch (p.vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_BOOL: case VT_ERROR: case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN:
        return true;
    default:
        return false;
    }
}

bool describeMember(ITypeInfo& info, const FUNCDESC& desc, Member& member) {
    if (desc.elemdescFunc.tdesc.vt != VT_HRESULT || desc.funckind == FUNC_DISPATCH) return false;
    if (desc.cParams < 0 || static_cast<unsigned>(desc.cParams) > kMaxParameters + 1) return false;
    member.id = desc.memid;
    member.kind = desc.invkind;
    member.vtableSlot = static_cast<unsigned>(desc.oVft) / sizeof(void*);
    for (SHORT i = 0; i < desc.cParams; ++i) {
        const ELEMDESC& element = desc.lprgelemdescParam[i];
        ParameterType p;
        if (!describeParameter(info, element, p)) return false;
        if (element.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) {
            if (i != desc.cParams - 1 || !p.byRef) return false;
            member.hasResult = true;
            member.resultVt = p.vt;
        } else {
            member.parameters.push_back(std::move(p));
        }
    }
    if (member.parameters.size() > kMaxParameters || member.resultVt == VT_DECIMAL) return false;
    member.wordArguments = std::all_of(member.parameters.begin(), member.parameters.end(), fitsWord);
    return true;
}

}  // namespace

HRESULT MemberTable::build(ITypeInfo& info) noexcept {
    try {
        TypeAttributes attr;
        HRESULT hr = info.GetTypeAttr(attr.put(info));
        if (FAILED(hr)) return hr;
        members_.clear();
        members_.reserve(attr->cFuncs);
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            FunctionDescription desc;
            if (FAILED(info.GetFuncDesc(i, desc.put(info)))) continue;
            Member member;
            if (describeMember(info, *desc.get(), member)) members_.push_back(std::move(member));
        }
        std::stable_sort(members_.begin(), members_.end(), [](const Member& a, const Member& b) { return a.id < b.id; });
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

const Member* MemberTable::find(DISPID id, WORD flags) const noexcept {
    auto it = std::lower_bound(members_.begin(), members_.end(), id, [](const Member& m, DISPID v) { return m.id < v; });
    for (; it != members_.end() && it->id == id; ++it)
        if (it->kind & flags) return &*it;
    return nullptr;
}

bool MemberTable::knows(DISPID id) const noexcept { return find(id, 0xFFFF) != nullptr; }

}  // namespace cz::com

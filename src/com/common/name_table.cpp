#include "com/common/name_table.h"

#include <algorithm>
#include <new>

#include "com/common/type_info_records.h"
#include "platform/win32/bstr.h"

namespace cz::com {
namespace {

// Member names are identifiers: folding the ASCII letters is the case-insensitive comparison.
wchar_t fold(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

std::wstring folded(const wchar_t* text, UINT length) {
    std::wstring s(text, length);
    for (wchar_t& c : s) c = fold(c);
    return s;
}

// The names that GetNames gives for one member: the member's, then its parameters'.
class Names {
public:
    ~Names() {
        for (UINT i = 0; i < count_; ++i) SysFreeString(names_[i]);
    }
    HRESULT read(ITypeInfo& info, MEMBERID id) { return info.GetNames(id, names_, kMax, &count_); }
    UINT count() const { return count_; }
    std::wstring operator[](UINT i) const { return folded(names_[i], SysStringLen(names_[i])); }

private:
    static constexpr UINT kMax = 32;
    BSTR names_[kMax] = {};
    UINT count_ = 0;
};

// Compares a folded entry with a name as the caller spelled it.
int compareFolded(std::wstring_view entry, const wchar_t* name) {
    for (std::size_t i = 0;; ++i) {
        const wchar_t a = i < entry.size() ? entry[i] : L'\0';
        const wchar_t b = fold(name[i]);
        if (a != b) return a < b ? -1 : 1;
        if (a == L'\0') return i == entry.size() ? 0 : -1;
    }
}

}  // namespace

HRESULT NameTable::build(ITypeInfo& info) noexcept {
    try {
        TypeAttributes attr;
        HRESULT hr = info.GetTypeAttr(attr.put(info));
        if (FAILED(hr)) return hr;
        entries_.clear();
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            FunctionDescription desc;
            if (FAILED(info.GetFuncDesc(i, desc.put(info)))) continue;
            Names names;
            if (FAILED(names.read(info, desc->memid)) || names.count() == 0) continue;
            Entry entry{names[0], desc->memid, {}};
            // A property's get and put share one name: its parameters are the longer list's.
            for (UINT k = 1; k < names.count(); ++k) entry.parameters.push_back(names[k]);
            auto same = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.folded == entry.folded; });
            if (same == entries_.end()) entries_.push_back(std::move(entry));
            else if (same->parameters.size() < entry.parameters.size()) same->parameters = std::move(entry.parameters);
        }
        std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.folded < b.folded; });
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

const NameTable::Entry* NameTable::find(const wchar_t* name) const noexcept {
    if (!name) return nullptr;
    std::size_t low = 0, high = entries_.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const int order = compareFolded(entries_[middle].folded, name);
        if (order == 0) return &entries_[middle];
        if (order < 0) low = middle + 1;
        else high = middle;
    }
    return nullptr;
}

HRESULT NameTable::lookUp(const LPOLESTR* names, UINT count, DISPID* ids) const noexcept {
    if (count == 0) return S_OK;
    if (!names || !ids) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    const Entry* member = find(names[0]);
    if (!member) return DISP_E_UNKNOWNNAME;
    ids[0] = member->id;
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        const auto& parameters = member->parameters;
        auto it = names[i] ? std::find_if(parameters.begin(), parameters.end(),
                                          [&](const std::wstring& p) { return compareFolded(p, names[i]) == 0; })
                           : parameters.end();
        if (it == parameters.end()) hr = DISP_E_UNKNOWNNAME;
        else ids[i] = static_cast<DISPID>(it - parameters.begin());
    }
    return hr;
}

}  // namespace cz::com

#include "com/common/member_call.h"

#include <utility>

namespace cz::com {
namespace {

using Word = std::uintptr_t;

// Integers up to a word and pointers each take one word (register or stack slot) in both calling
// conventions (x64 and 32-bit stdcall), so a function of N such parameters can be called as one of N
// words; the callee reads the part its type declares.
template <std::size_t... I>
HRESULT callAs(void* function, void* instance, const Word* words, std::index_sequence<I...>) {
    using Function = HRESULT(STDMETHODCALLTYPE*)(void*, decltype(I, Word{})...);
    return reinterpret_cast<Function>(function)(instance, words[I]...);
}

template <std::size_t... N>
HRESULT dispatchByCount(void* function, void* instance, const Word* words, unsigned count, std::index_sequence<N...>) {
    using Caller = HRESULT (*)(void*, void*, const Word*);
    static constexpr Caller callers[] = {
        [](void* f, void* self, const Word* w) { return callAs(f, self, w, std::make_index_sequence<N>{}); }...};
    return callers[count](function, instance, words);
}

}  // namespace

HRESULT callWithWords(void* instance, unsigned vtableSlot, const Word* words, unsigned count) noexcept {
    if (count > kMaxWords) return DISP_E_BADPARAMCOUNT;
    void* const* vtable = *static_cast<void* const* const*>(instance);
    return dispatchByCount(vtable[vtableSlot], instance, words, count, std::make_index_sequence<kMaxWords + 1>{});
}

HRESULT callWithVariants(void* instance, unsigned vtableSlot, VARIANTARG** args, VARTYPE* types, unsigned count,
                         HRESULT& result) noexcept {
    VARIANT returned;
    VariantInit(&returned);
    HRESULT hr = DispCallFunc(instance, vtableSlot * sizeof(void*), CC_STDCALL, VT_ERROR, count, types, args, &returned);
    result = SUCCEEDED(hr) ? returned.scode : hr;
    return hr;
}

}  // namespace cz::com

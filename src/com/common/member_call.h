// Calls one function of a COM interface's vtable with prepared arguments: directly when every argument
// is one machine word (integers, pointers), through the automation layer's DispCallFunc otherwise.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>

namespace cz::com {

constexpr unsigned kMaxWords = 16;

// The member's own HRESULT.
HRESULT callWithWords(void* instance, unsigned vtableSlot, const std::uintptr_t* words, unsigned count) noexcept;

// args[i] holds argument i as a VARIANTARG of type types[i] (VT_BYREF|t for a reference). The member's
// HRESULT goes to result; the return value is DispCallFunc's own.
HRESULT callWithVariants(void* instance, unsigned vtableSlot, VARIANTARG** args, VARTYPE* types, unsigned count,
                         HRESULT& result) noexcept;

}  // namespace cz::com

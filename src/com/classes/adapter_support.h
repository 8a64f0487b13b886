// Conversions between the automation types of the generated interfaces and the portable types, for the
// class adapters. Everything here throws (cz::Failure, std::bad_alloc) and so runs inside a member's
// exception guard.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "automation/automation.h"
#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/variant_conversion.h"

namespace cz::com::adapters {

// The caller's result slot; a null one is the caller's mistake.
template <class T>
T& slot(T* pointer) {
    if (!pointer) throw Failure(E_POINTER, u"A required pointer argument is null");
    return *pointer;
}

template <class T, class V>
void give(T* result, V value) {
    slot(result) = static_cast<T>(value);
}

inline String text(BSTR value) { return win32::toString(value); }
inline void giveText(BSTR* result, const String& value) { slot(result) = win32::Bstr(value).detach(); }

// Every boolean the library hands out is -1 or 0.
inline Bool flag(VARIANT_BOOL value) { return value ? True : False; }
inline void giveFlag(VARIANT_BOOL* result, Bool value) { slot(result) = value ? VARIANT_TRUE : VARIANT_FALSE; }

inline Object object(IDispatch* value) { return win32::toObject(value); }
// The reference itself goes back out, so identity holds: what was put is what is read.
inline void giveObject(IDispatch** result, const Object& value) { slot(result) = win32::toDispatch(value).detach(); }

}  // namespace cz::com::adapters

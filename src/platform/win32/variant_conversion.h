// Values crossing between the automation layer (VARIANT, IDispatch) and the portable code (cz::Variant,
// cz::Object).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "automation/automation.h"
#include "platform/win32/com_ptr.h"

namespace cz::win32 {

// The portable form of a VARIANT; by-reference values are read through. Types the portable side has no
// form for become doubles where the system can convert them, else a type-mismatch cz::Failure.
Variant toPortable(const VARIANT& value);

// Writes the value into an empty VARIANT, which then owns it. Throws std::bad_alloc.
void toVariant(const Variant& value, VARIANT* target);

// An object reference for the portable code; a null pointer is Nothing.
Object toObject(IDispatch* dispatch);

// The IDispatch behind a portable reference: the very pointer it wraps when it came from the automation
// layer, otherwise a new IDispatch over the portable object. Nothing gives null. Throws std::bad_alloc.
ComPtr<IDispatch> toDispatch(const Object& object);

}  // namespace cz::win32

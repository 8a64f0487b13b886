// Reading the caller's objects (the application object, the error object) by name, tolerantly: the
// framework component accepts whatever it is given and never fails a call because a property is missing.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>

#include "automation/automation.h"

namespace cz::pillar {

// The object an argument holds (read through any reference), or Nothing.
Object objectIn(const VARIANT& value);

// A property as text or as a 32-bit integer; "" or 0 when the object or the property is not there.
String readText(const Object& object, std::u16string_view name);
std::int32_t readInteger(const Object& object, std::u16string_view name);

// An argument as text: a string as it is, numbers in decimal; "" for what has no text.
String textIn(const VARIANT& value);

}  // namespace cz::pillar

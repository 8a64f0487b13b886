// How the error handler writes down the arguments it received, for ReportArguments.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <span>

#include "automation/automation.h"

namespace cz::pillar {

// One argument, read through any reference: object, nothing, "text", a decimal integer, missing, empty,
// or vt=N for anything else.
String describeArgument(const VARIANT& value);

// The arguments in order, joined by ";".
String describeArguments(std::span<const VARIANT* const> values);

}  // namespace cz::pillar

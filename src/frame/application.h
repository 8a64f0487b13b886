// The library's application object: what the running library says about itself.
#pragma once

#include "automation/automation.h"
#include "automation/failure.h"
#include "platform/platform.h"

namespace cz {

// File name of the running library without folder and extension ("Chooser10"): the first part of every
// error source.
String LibraryTitle(Platform& platform);

// Title, EXEName, Path, Major, Minor, Revision and FileDescription of the running library.
Object ApplicationObject(Platform& platform);

// An automation error object with Number, Source and Description.
Object ErrorObject(const ErrorInfo& info);

}  // namespace cz

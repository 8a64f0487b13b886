// The extension the preview notification carries beside a highlighted path.
#pragma once

#include "automation/automation.h"

namespace cz {

// The one to three characters after the last dot of the text (spaces at either end ignored), when at
// least one character stands before that dot; "" otherwise.
String SplitFileExtension(const String& text);

}  // namespace cz

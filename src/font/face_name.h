// Face names between the portable string and the font record's fixed ANSI field: the longest prefix of
// whole characters that fits, and the name the dialog wrote back.
#pragma once

#include <cstddef>
#include <string>

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

// The longest run of whole characters from the start of the text whose ANSI form has at most `limit`
// bytes: a cut never splits a multi-byte character or a surrogate pair.
std::string AnsiPrefix(Platform& platform, const String& text, std::size_t limit);

// The face name the dialog returned: the field's bytes before its first NUL.
String FaceName(Platform& platform, const LogFontRecord& logFont);

}  // namespace cz

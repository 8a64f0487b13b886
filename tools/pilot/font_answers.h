// The pilot's answer for the font dialog:
//   "font <face> <size> [bold] [italic] [underline] [strikeout]"
// The face is every word before the size (it may have spaces). The answer picks the face, the style
// (regular, bold, italic or both) and the size in the dialog's own lists, ticks the effects named, and
// confirms. A face, style or size the dialog does not offer is left as the dialog has it.
#pragma once

#include <windows.h>

#include <string>

namespace pilot {

bool isFontAnswer(const std::string& answer);
void answerFont(HWND dialog, const std::string& answer);

}  // namespace pilot

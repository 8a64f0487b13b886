// The pilot's answer for the file open and save dialogs:
//   "file <text>"   types the text into the file-name box, as a user would, and confirms
// The text is one name or path, or several names each in double quotes for a multiple selection
// ("file "a.txt" "b.txt""). The explorer-style dialog's box and the old style's field both take it.
#pragma once

#include <windows.h>

#include <string>

namespace pilot {

bool isFileAnswer(const std::string& answer);
void answerFile(HWND dialog, const std::string& answer);

}  // namespace pilot

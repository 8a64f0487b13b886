// The pilot's answers for the print dialog:
//   "print <copies> all"                 all pages
//   "print <copies> selection"           the selection
//   "print <copies> pages <from> <to>"   a page range
// Each sets the number of copies and the range in the dialog's own controls, then confirms.
#pragma once

#include <windows.h>

#include <string>

namespace pilot {

bool isPrintAnswer(const std::string& answer);
void answerPrint(HWND dialog, const std::string& answer);

}  // namespace pilot

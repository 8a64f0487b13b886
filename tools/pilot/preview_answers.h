// The pilot's answer for a file dialog with a preview pane:
//   "highlight"   highlights the first item of the dialog's file list, as the Home key does, gives the
//                 client a moment to draw its preview, then cancels
#pragma once

#include <windows.h>

#include <string>

namespace pilot {

bool isHighlightAnswer(const std::string& answer);
void answerHighlight(HWND dialog);

}  // namespace pilot

// basZqPickerCallBackA's folder-browser callback: preselects the initial folder and shows the highlighted
// folder's path in the dialog's status line.
#pragma once

#include "platform/records.h"

namespace cz {

int CZ_CALLBACK FolderBrowserCallbackProc(std::intptr_t hwnd, std::uint32_t message, std::intptr_t lParam,
                                          std::intptr_t lpData);

}  // namespace cz

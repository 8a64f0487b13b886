// basZqPickerCallBackA's registration operations: how a file dialog object hands its preview settings
// to the hook that shows the preview pane. They have no handler of their own: a failure goes to the
// calling member's handler.
#pragma once

#include "automation/automation.h"

namespace cz {

void SetPreviewEnabled(Bool enabled);
// Holds a counted reference to the file dialog object that delivers the preview notifications.
void SetPreviewSender(Object sender);
// Registers the client's preview object (an empty one clears it) and, for a real one, the window its
// "Parent" names through "hwnd": where the preview window goes back when the dialog closes. The host is
// stored before that window is read, so a failing read leaves it registered.
void SetPreviewHost(const Object& host);

}  // namespace cz

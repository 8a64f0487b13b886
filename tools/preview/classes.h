// The creatable classes of ChooserPreview.dll.
#pragma once

#include <windows.h>

namespace chooser_preview {

HRESULT createPictureBox(REFIID iid, void** out) noexcept;
HRESULT createEventProbe(REFIID iid, void** out) noexcept;

}  // namespace chooser_preview

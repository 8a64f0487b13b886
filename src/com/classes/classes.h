// The creatable classes of Chooser10.dll: one creation function per class, for the class table.
#pragma once

#include <windows.h>

namespace cz::com::classes {

HRESULT createRootObject(REFIID iid, void** out) noexcept;          // clsZqChooser10A
HRESULT createFolderBrowser(REFIID iid, void** out) noexcept;       // clsZqPickerBFFA
HRESULT createColourDialog(REFIID iid, void** out) noexcept;        // clsZqPickerColorDialogA
HRESULT createFileDialog(REFIID iid, void** out) noexcept;          // clsZqPickerFileOpenSaveA
HRESULT createFileProperties(REFIID iid, void** out) noexcept;      // clsZqPickerFilePpsA
HRESULT createFontDialog(REFIID iid, void** out) noexcept;          // clsZqPickerFontDialogA
HRESULT createPrintDialog(REFIID iid, void** out) noexcept;         // clsZqPickerPrintDialogA
HRESULT createAdvanced(REFIID iid, void** out) noexcept;            // clsZqPickerAdvancedA
HRESULT createGeneral(REFIID iid, void** out) noexcept;             // clsZqPickerGeneralA

}  // namespace cz::com::classes

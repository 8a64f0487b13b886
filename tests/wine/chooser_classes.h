// The library's classes as a client knows them: ProgIDs, identifiers from the generated header, and the
// error each dialog class raises for an owner window that does not exist.
#pragma once

#include <windows.h>

#include <string>

#include "chooser10.h"

namespace cz::testing {

struct ChooserClass {
    const wchar_t* name;
    const CLSID* clsid;
    const IID* iid;  // the default (dual) interface

    std::wstring progId() const { return std::wstring(L"Chooser10.") + name; }
};

inline const ChooserClass kAllClasses[] = {
    {L"clsZqChooser10A", &CLSID_clsZqChooser10A, &IID__clsZqChooser10A},
    {L"clsZqPickerBFFA", &CLSID_clsZqPickerBFFA, &IID__clsZqPickerBFFA},
    {L"clsZqPickerColorDialogA", &CLSID_clsZqPickerColorDialogA, &IID__clsZqPickerColorDialogA},
    {L"clsZqPickerFileOpenSaveA", &CLSID_clsZqPickerFileOpenSaveA, &IID__clsZqPickerFileOpenSaveA},
    {L"clsZqPickerFilePpsA", &CLSID_clsZqPickerFilePpsA, &IID__clsZqPickerFilePpsA},
    {L"clsZqPickerFontDialogA", &CLSID_clsZqPickerFontDialogA, &IID__clsZqPickerFontDialogA},
    {L"clsZqPickerPrintDialogA", &CLSID_clsZqPickerPrintDialogA, &IID__clsZqPickerPrintDialogA},
    {L"clsZqPickerAdvancedA", &CLSID_clsZqPickerAdvancedA, &IID__clsZqPickerAdvancedA},
    {L"clsZqPickerGeneralA", &CLSID_clsZqPickerGeneralA, &IID__clsZqPickerGeneralA},
};

struct DialogClass {
    const wchar_t* name;
    const wchar_t* classConstant;  // names the class in error sources
    HRESULT invalidWindowHandle;   // raised for an owner window that does not exist

    std::wstring progId() const { return std::wstring(L"Chooser10.") + name; }
    std::wstring errorSource() const { return std::wstring(L"Chooser10.") + classConstant; }
};

inline const DialogClass kBrowseForFolder{L"clsZqPickerBFFA", L"czPickerBrowseForFolder", -2147204442};
inline const DialogClass kColourDialog{L"clsZqPickerColorDialogA", L"czPickerColorDialog", -2147204383};
inline const DialogClass kFileDialog{L"clsZqPickerFileOpenSaveA", L"clsPickerFileOpenSaveA", -2147204043};
inline const DialogClass kFontDialog{L"clsZqPickerFontDialogA", L"czPickerFontDialog", -2147203983};
inline const DialogClass kPrintDialog{L"clsZqPickerPrintDialogA", L"czPickerPrintDialog", -2147203563};

inline const DialogClass kDialogClasses[] = {kBrowseForFolder, kColourDialog, kFileDialog, kFontDialog, kPrintDialog};

inline constexpr const wchar_t* kInvalidWindowHandle = L"Invalid window handle";

}  // namespace cz::testing

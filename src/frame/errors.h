// Class constants and the error codes the dialog classes raise to their clients.
#pragma once

#include <cstdint>
#include <string_view>

namespace cz {

// Names of the classes and modules in error sources and reported procedure names.
namespace class_constant {
inline constexpr std::u16string_view BrowseForFolder = u"czPickerBrowseForFolder";
inline constexpr std::u16string_view ColourDialog = u"czPickerColorDialog";
inline constexpr std::u16string_view FileOpenSave = u"clsPickerFileOpenSaveA";
inline constexpr std::u16string_view FontDialog = u"czPickerFontDialog";
inline constexpr std::u16string_view PrintDialog = u"czPickerPrintDialog";
inline constexpr std::u16string_view FrameworkCalls = u"basZqfxCommonA";
}  // namespace class_constant

constexpr std::int32_t hresult(std::uint32_t code) { return static_cast<std::int32_t>(code); }

enum EErrBrowseForFolder : std::int32_t {
    eErrBrowseForFolder_CantGetPath = hresult(0x800442A5),
    eErrBrowseForFolder_InvalidWindowHandle = hresult(0x800442A6),
    eErrBrowseForFolder_ComponentFailure = hresult(0x800442A7),
};
enum EErrColourDialog : std::int32_t {
    eErrColourDialog_InvalidWindowHandle = hresult(0x800442E1),
    eErrColourDialog_ComponentFailure = hresult(0x800442E2),
};
enum EErrFileOpenSaveDialog : std::int32_t {
    eErrFileOpenSaveDialog_InvalidWindowHandle = hresult(0x80044435),
    eErrFileOpenSaveDialog_ComponentFailure = hresult(0x80044436),
};
enum EErrFontDialog : std::int32_t {
    eErrFontDialog_InvalidWindowHandle = hresult(0x80044471),
    eErrFontDialog_ComponentFailure = hresult(0x80044472),
};
enum EErrPrintDialog : std::int32_t {
    eErrPrintDialog_InvalidWindowHandle = hresult(0x80044615),
    eErrPrintDialog_ComponentFailure = hresult(0x80044616),
};

inline constexpr std::u16string_view kInvalidWindowHandle = u"Invalid window handle";
inline constexpr std::u16string_view kCantGetPath = u"Could not get the path of the selected folder";

}  // namespace cz

// clsZqPickerFontDialogA: the font picker, editing the client's own font object.
#pragma once

#include <vector>

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

enum EFontFlags : std::int32_t {
    eFontFlag_ScreenFonts = 0x1,
    eFontFlag_PrinterFonts = 0x2,
    eFontFlag_Bots = 0x3,
    eFontFlag_FontShowHelp = 0x4,
    eFontFlag_EnableHook = 0x8,
    eFontFlag_EnableTemplate = 0x10,
    eFontFlag_EnableTemplateHandle = 0x20,
    eFontFlag_InitToLogFontStruct = 0x40,
    eFontFlag_UseStyle = 0x80,
    eFontFlag_Effects = 0x100,
    eFontFlag_Apply = 0x200,
    eFontFlag_ANSIOnly = 0x400,
    eFontFlag_NoVectorFonts = 0x800,
    eFontFlag_NoOemFonts = 0x800,
    eFontFlag_NoSimulations = 0x1000,
    eFontFlag_LimitSize = 0x2000,
    eFontFlag_FixedPitchOnly = 0x4000,
    eFontFlag_WYSIWYG = 0x8000,
    eFontFlag_ForceFontExist = 0x10000,
    eFontFlag_ScalableOnly = 0x20000,
    eFontFlag_TTOnly = 0x40000,
    eFontFlag_NoFaceSel = 0x80000,
    eFontFlag_NoStyleSel = 0x100000,
    eFontFlag_NoSizeSel = 0x200000,
    eFontFlag_SelectScript = 0x400000,
    eFontFlag_NoScriptSel = 0x800000,
    eFontFlag_NoVertFonts = 0x1000000,
};

enum EFontType : std::int32_t {
    eFontType_Bold = 0x100,
    eFontType_Italic = 0x200,
    eFontType_Regular = 0x400,
    eFontType_Screen = 0x2000,
    eFontType_Printer = 0x4000,
    eFontType_Simulated = 0x8000,
};

class clsZqPickerFontDialogA {
public:
    // Switches centring on for every font dialog object of the thread; the shared title stays.
    explicit clsZqPickerFontDialogA(Platform& platform);

    // The font object itself, the shared title, then the owner (which may raise: the font and the title
    // have taken effect by then), then the flags.
    void Init(Object font, const String& dialogTitle, std::int32_t hwndOwner, std::int32_t flags);
    // Shows the font dialog on the font object (a new standard font when none is held); True when the
    // user confirmed a font, which the font object, Colour and Flags then hold. Flags keeps the bits
    // Show adjusts before the dialog, also after a cancel.
    Bool Show();

    // Caption and centring are shared by every font dialog object of the thread (the hook reads them).
    const String& DialogTitle() const;
    void DialogTitle(const String& value);
    Bool CenterDialog() const;
    void CenterDialog(Bool value);
    std::int32_t Colour() const { return colour_; }
    void Colour(std::int32_t value) { colour_ = value; }
    std::int32_t Flags() const { return flags_; }
    void Flags(std::int32_t value) { flags_ = value; }
    // The client's own font object, held by reference, never copied.
    Object Font() const { return font_; }
    void Font(Object value) { font_ = std::move(value); }
    std::int32_t FontType() const { return fontType_; }
    void FontType(std::int32_t value) { fontType_ = value; }
    std::int32_t HWndOwner() const { return hwndOwner_; }
    void HWndOwner(std::int32_t value);
    std::int16_t Max() const { return max_; }
    void Max(std::int16_t value) { max_ = value; }
    std::int16_t Min() const { return min_; }
    void Min(std::int16_t value) { min_ = value; }
    std::int16_t Style() const { return style_; }
    void Style(std::int16_t value) { style_ = value; }

private:
    // Fills `bytes` with the ANSI form of the text, NUL-padded to its size; an empty array becomes the
    // ANSI form itself.
    void StrToBytes(std::vector<char>& bytes, const String& text);
    static Bool IsArrayEmpty(const std::vector<char>& bytes);

    Platform& platform_;
    std::int32_t flags_ = 0;
    std::int32_t fontType_ = 0;
    std::int16_t max_ = 0;
    std::int16_t min_ = 0;
    std::int16_t style_ = 0;
    std::int32_t colour_ = 0;
    std::int32_t hwndOwner_ = 0;
    Object font_;
};

}  // namespace cz

#include "font/font_dialog.h"

#include <algorithm>

#include "font/face_name.h"
#include "font/font_values.h"
#include "frame/errors.h"
#include "frame/far_proc.h"
#include "frame/handler.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"
#include "platform/owned.h"

namespace cz {
namespace {

constexpr std::uint32_t kChooseFontSize = 60;
constexpr std::uint8_t kStyleOn = 255;

std::uint8_t StyleByte(const Variant& value) { return AsBoolean(value) ? kStyleOn : 0; }

}  // namespace

clsZqPickerFontDialogA::clsZqPickerFontDialogA(Platform& platform) : platform_(platform) {
    hookState().FontCenterDialog = True;
}

void clsZqPickerFontDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::FontDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrFontDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

const String& clsZqPickerFontDialogA::DialogTitle() const { return hookState().FontDialogTitle; }
void clsZqPickerFontDialogA::DialogTitle(const String& value) { hookState().FontDialogTitle = value; }
Bool clsZqPickerFontDialogA::CenterDialog() const { return hookState().FontCenterDialog; }
void clsZqPickerFontDialogA::CenterDialog(Bool value) { hookState().FontCenterDialog = value; }

void clsZqPickerFontDialogA::Init(Object font, const String& dialogTitle, std::int32_t hwndOwner, std::int32_t flags) {
    Handler on{platform_, class_constant::FontDialog, u"Init"};
    font_ = std::move(font);
    hookState().FontDialogTitle = dialogTitle;
    ValidateOwner(on, platform_, hwndOwner, eErrFontDialog_InvalidWindowHandle);
    hwndOwner_ = hwndOwner;
    flags_ = flags;
}

Bool clsZqPickerFontDialogA::Show() {
    Handler on{platform_, class_constant::FontDialog, u"Show"};
    Bool result = False;
    // Any failure, before the dialog or in the read-back after it, makes the result False first.
    on.beforeReport([&] { result = False; });

    if (!font_) on.step([&] { font_ = platform_.NewStdFont(); });

    // The library makes this context, so the library deletes it, once the dialog has closed.
    DeviceContext printer{platform_};
    if (flags_ & eFontFlag_PrinterFonts) on.step([&] { printer.reset(platform_.CreatePrinterDC()); });

    if (!(flags_ & eFontFlag_PrinterFonts)) flags_ |= eFontFlag_ScreenFonts;
    if (colour_ != 0) flags_ |= eFontFlag_Effects;
    if (min_ != 0) flags_ |= eFontFlag_LimitSize;
    if (max_ != 0) flags_ |= eFontFlag_LimitSize;
    flags_ |= eFontFlag_InitToLogFontStruct;
    flags_ &= ~(eFontFlag_EnableHook | eFontFlag_EnableTemplate | eFontFlag_Apply);
    if (!hookState().FontDialogTitle.empty() || hookState().FontCenterDialog != False) flags_ |= eFontFlag_EnableHook;

    ChooseFontRecord rec{};
    if (flags_ != 0) rec.lpfnHook = FarProc(&FontHookProc);

    LogFontRecord logFont{};
    on.step([&] { logFont.lfHeight = HeightInPixels(use(font_).get(u"Size"), platform_.ScreenTwipsPerPixelY()); });
    on.step([&] { logFont.lfWeight = AsLong(use(font_).get(u"Weight")); });
    on.step([&] { logFont.lfItalic = StyleByte(use(font_).get(u"Italic")); });
    on.step([&] { logFont.lfUnderline = StyleByte(use(font_).get(u"Underline")); });
    on.step([&] { logFont.lfStrikeOut = StyleByte(use(font_).get(u"Strikethrough")); });
    std::vector<char> faceName(logFont.lfFaceName.size());
    on.step([&] { StrToBytes(faceName, AsText(use(font_).get(u"Name"))); });
    std::copy_n(faceName.begin(), std::min(faceName.size(), logFont.lfFaceName.size()), logFont.lfFaceName.begin());

    rec.lStructSize = kChooseFontSize;
    rec.hwndOwner = hwndOwner_;
    rec.hDC = printer.get();
    rec.lpLogFont = &logFont;
    on.step([&] { rec.iPointSize = TenthsOfPoint(use(font_).get(u"Size")); });
    rec.Flags = static_cast<std::uint32_t>(flags_);
    rec.rgbColors = static_cast<std::uint32_t>(colour_);
    rec.nSizeMin = min_;
    rec.nSizeMax = max_;

    bool confirmed = false;
    {
        HookPlatformScope hooks{platform_};
        on.step([&] { confirmed = platform_.ChooseFontA(rec); });
    }
    if (!confirmed) return result;

    result = True;
    flags_ = static_cast<std::int32_t>(rec.Flags);
    colour_ = static_cast<std::int32_t>(rec.rgbColors);
    // The font object converts each value to its property's type. Weight comes after Bold, which sets a
    // weight of its own, so the font ends with the weight the dialog returned.
    on.step([&] { use(font_).put(u"Bold", std::int32_t{rec.nFontType & eFontType_Bold}); });
    on.step([&] { use(font_).put(u"Italic", logFont.lfItalic); });
    on.step([&] { use(font_).put(u"Strikethrough", logFont.lfStrikeOut); });
    on.step([&] { use(font_).put(u"Underline", logFont.lfUnderline); });
    on.step([&] { use(font_).put(u"Weight", logFont.lfWeight); });
    on.step([&] { use(font_).put(u"Size", rec.iPointSize / 10.0); });
    on.step([&] { use(font_).put(u"Name", FaceName(platform_, logFont)); });
    return result;
}

void clsZqPickerFontDialogA::StrToBytes(std::vector<char>& bytes, const String& text) {
    Handler on{platform_, class_constant::FontDialog, u"StrToBytes"};
    if (IsArrayEmpty(bytes) != False) {
        on.step([&] {
            const std::string ansi = platform_.ToAnsi(text);
            bytes.assign(ansi.begin(), ansi.end());
        });
        return;
    }
    // The array ends with at least one NUL, so a name that fills it is cut to whole characters first;
    // what is copied is never more than the converted text.
    on.step([&] {
        const std::string ansi = AnsiPrefix(platform_, text, bytes.size() - 1);
        std::fill(std::copy(ansi.begin(), ansi.end(), bytes.begin()), bytes.end(), '\0');
    });
}

Bool clsZqPickerFontDialogA::IsArrayEmpty(const std::vector<char>& bytes) { return toBool(bytes.empty()); }

}  // namespace cz

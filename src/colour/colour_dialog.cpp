#include "colour/colour_dialog.h"

#include "frame/errors.h"
#include "frame/far_proc.h"
#include "frame/handler.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"

namespace cz {
namespace {

constexpr std::int32_t kNoColour = -1;
constexpr std::int32_t kWhite = 0xFFFFFF;

}  // namespace

clsZqPickerColorDialogA::clsZqPickerColorDialogA(Platform& platform) : platform_(platform) {
    hookState().ColourCenterDialog = True;
    hookState().ColourDialogTitle = u"Colour";
}

void clsZqPickerColorDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::ColourDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrColourDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

const String& clsZqPickerColorDialogA::DialogTitle() const { return hookState().ColourDialogTitle; }
void clsZqPickerColorDialogA::DialogTitle(const String& value) { hookState().ColourDialogTitle = value; }
Bool clsZqPickerColorDialogA::CenterDialog() const { return hookState().ColourCenterDialog; }
void clsZqPickerColorDialogA::CenterDialog(Bool value) { hookState().ColourCenterDialog = value; }

void clsZqPickerColorDialogA::Init(std::int32_t initialColour, const String& dialogTitle, std::int32_t hwndOwner,
                                   std::int32_t flags) {
    Handler on{platform_, class_constant::ColourDialog, u"Init"};
    initialColour_ = initialColour;
    hookState().ColourDialogTitle = dialogTitle;
    ValidateOwner(on, platform_, hwndOwner, eErrColourDialog_InvalidWindowHandle);
    hwndOwner_ = hwndOwner;
    flags_ = flags;
}

Bool clsZqPickerColorDialogA::Show() {
    Handler on{platform_, class_constant::ColourDialog, u"Show"};
    bool confirmed = false;

    ChooseColorRecord rec{};
    rec.lStructSize = 36;
    rec.rgbResult = static_cast<std::uint32_t>(initialColour_);
    if (!customColoursReady_) {
        customColours_.fill(kWhite);
        customColoursReady_ = true;
    }
    rec.lpCustColors = customColours_.data();
    if (initialColour_ != kNoColour) flags_ |= kColourRgbInit;
    if (!hookState().ColourDialogTitle.empty() || hookState().ColourCenterDialog != False) flags_ |= kColourEnableHook;
    rec.Flags = static_cast<std::uint32_t>(flags_);
    rec.hwndOwner = hwndOwner_;
    if (flags_ != 0) rec.lpfnHook = FarProc(&ColourHookProc);

    HookPlatformScope hooks{platform_};
    on.step([&] { confirmed = platform_.ChooseColorA(rec); });
    selectedColour_ = confirmed ? static_cast<std::int32_t>(rec.rgbResult) : kNoColour;
    return toBool(confirmed);
}

}  // namespace cz

#include "font/font_dialog.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

clsZqPickerFontDialogA::clsZqPickerFontDialogA(Platform& platform) : platform_(platform) {}

void clsZqPickerFontDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::FontDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrFontDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

}  // namespace cz

#include "colour/colour_dialog.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

clsZqPickerColorDialogA::clsZqPickerColorDialogA(Platform& platform) : platform_(platform) {}

void clsZqPickerColorDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::ColourDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrColourDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

}  // namespace cz

#include "print/print_dialog.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

clsZqPickerPrintDialogA::clsZqPickerPrintDialogA(Platform& platform) : platform_(platform) {}

void clsZqPickerPrintDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::PrintDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrPrintDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

}  // namespace cz

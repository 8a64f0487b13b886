#include "file/file_dialog.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

clsZqPickerFileOpenSaveA::clsZqPickerFileOpenSaveA(Platform& platform) : platform_(platform) {}

void clsZqPickerFileOpenSaveA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::FileOpenSave, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrFileOpenSaveDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

}  // namespace cz

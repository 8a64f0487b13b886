#include "folder/bff.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

clsZqPickerBFFA::clsZqPickerBFFA(Platform& platform) : platform_(platform) {}

void clsZqPickerBFFA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::BrowseForFolder, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrBrowseForFolder_InvalidWindowHandle);
    hwndOwner_ = value;
}

}  // namespace cz

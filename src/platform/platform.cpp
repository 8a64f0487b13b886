#include "platform/platform.h"

#include "frame/failure.h"

namespace cz {

void Platform::notYet() {
    throw Failure(static_cast<std::int32_t>(0x80004001), u"This platform operation is not available yet");
}

}  // namespace cz

#include "frame/preview_registration.h"

#include "automation/failure.h"
#include "frame/hook_state.h"
#include "frame/long_value.h"

namespace cz {
namespace {

constexpr std::int32_t kObjectRequired = static_cast<std::int32_t>(0x800A01A8);  // 424

const Object& objectIn(const Variant& value) {
    auto* object = std::get_if<Object>(&value);
    if (!object) throw Failure(kObjectRequired, u"Object required");
    return *object;
}

}  // namespace

void SetPreviewEnabled(Bool enabled) { hookState().PreviewEnabled = enabled; }

void SetPreviewSender(Object sender) { hookState().PreviewSender = std::move(sender); }

void SetPreviewHost(const Object& host) {
    hookState().PreviewHost = host;
    if (!host) return;
    Variant parent = host->get(u"Parent");
    hookState().PreviewHostParent = LongValue(use(objectIn(parent)).get(u"hwnd"));
}

}  // namespace cz

#include "frame/root_object.h"

#include <limits>

#include "automation/failure.h"
#include "frame/application.h"
#include "frame/framework_calls.h"
#include "frame/hook_state.h"

namespace cz {
namespace {

std::int16_t narrowToInteger(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw Failure(runtime_error::Overflow, u"Overflow");
    return static_cast<std::int16_t>(value);
}

}  // namespace

Object clsZqChooser10A::GetProStdProperties() { return ApplicationObject(platform_); }

String clsZqChooser10A::GetProResStrings(std::int32_t lResId) { return platform_.LoadResString(lResId); }

Picture clsZqChooser10A::GetProResPicture(std::int32_t lResId, std::int32_t lRestype) {
    std::int16_t kind = narrowToInteger(lRestype);
    return platform_.LoadResPicture(lResId, kind);
}

std::vector<std::uint8_t> clsZqChooser10A::GetProResData(std::int32_t lResId, const Variant& vRestype) {
    return platform_.LoadResData(lResId, vRestype);
}

std::int32_t clsZqChooser10A::About() {
    AppAboutZqfx_Pro(platform_, ApplicationObject(platform_));
    return 0;
}

Object clsZqChooser10A::BuddyObjectGlobal() const { return hookState().BuddyObjectGlobal; }

void clsZqChooser10A::BuddyObjectGlobal(const Object& value) { hookState().BuddyObjectGlobal = value; }

}  // namespace cz

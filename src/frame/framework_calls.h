// basZqfxCommonA: the library's only two calls into the framework component.
#pragma once

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

inline constexpr std::u16string_view kErrorHandlerProgId = u"ZqPillar10.clsZqfxErrorHandlerA";
inline constexpr std::u16string_view kPillarProgId = u"ZqPillar10.clsZqPillar10A";

// Hands one report to the framework component's error handler, the eight values in order. Its own
// failure is not caught: it ends the member that was reporting.
void ErrorHandlerMessageZq_Pro(Platform& platform, const Object& application, const Object& error,
                               const String& arg3, const String& procedure, std::int32_t arg5,
                               const String& arg6, std::int32_t arg7);

// Shows the framework's about box for the application object; reports its own failure.
void AppAboutZqfx_Pro(Platform& platform, const Object& application);

}  // namespace cz

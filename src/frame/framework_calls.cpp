#include "frame/framework_calls.h"

#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {

void ErrorHandlerMessageZq_Pro(Platform& platform, const Object& application, const Object& error,
                               const String& arg3, const String& procedure, std::int32_t arg5,
                               const String& arg6, std::int32_t arg7) {
    Object handler = platform.CreateObject(kErrorHandlerProgId);
    std::vector<Arg> args{{application}, {error}, {arg3}, {procedure}, {arg5}, {arg6}, {arg7}, {Missing{}, false}};
    use(handler).call(u"ErrorHandlerMessageZq", args);
}

void AppAboutZqfx_Pro(Platform& platform, const Object& application) {
    Handler on{platform, class_constant::FrameworkCalls, u"AppAboutZqfx_Pro"};
    Object pillar;
    on.step([&] { pillar = platform.CreateObject(kPillarProgId); });
    on.step([&] {
        std::vector<Arg> args{{application, false}};
        use(pillar).call(u"AppAboutZqfx", args);
    });
    pillar.reset();
}

}  // namespace cz

#include "frame/handler.h"

#include "frame/application.h"
#include "frame/errors.h"
#include "frame/framework_calls.h"

namespace cz {

String Handler::qualifiedName() const { return String(classConstant_) + u"." + String(procedure_); }

void Handler::handle(const ErrorInfo& failure) {
    if (!platform_) return;
    if (beforeReport_) beforeReport_();
    ErrorHandlerMessageZq_Pro(*platform_, ApplicationObject(*platform_), ErrorObject(failure), String(),
                              qualifiedName(), 0, String(), 0);
}

void Handler::raise(std::int32_t number, std::u16string_view description) {
    String source = platform_ ? LibraryTitle(*platform_) + u"." + String(classConstant_) : String();
    platform_ = nullptr;
    throw Raised(ErrorInfo{number, std::move(source), String(description)});
}

void ValidateOwner(Handler& on, Platform& platform, std::int32_t hwnd, std::int32_t invalidHandleCode) {
    if (hwnd > 0 && on.test([&] { return !platform.IsWindow(hwnd); })) on.raise(invalidHandleCode, kInvalidWindowHandle);
}

}  // namespace cz

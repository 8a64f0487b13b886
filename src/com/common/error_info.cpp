#include "com/common/error_info.h"

#include <string>

#include "platform/win32/com_ptr.h"

namespace cz::com {

using win32::ComPtr;

HRESULT raiseError(HRESULT code, std::u16string_view source, std::u16string_view description, REFIID iid) noexcept {
    if (!FAILED(code)) code = E_FAIL;
    try {
        // ICreateErrorInfo wants zero-terminated text.
        std::u16string sourceText(source), descriptionText(description);
        ComPtr<ICreateErrorInfo> create;
        if (FAILED(CreateErrorInfo(create.put()))) return code;
        create->SetGUID(iid);
        create->SetSource(reinterpret_cast<LPOLESTR>(sourceText.data()));
        create->SetDescription(reinterpret_cast<LPOLESTR>(descriptionText.data()));
        ComPtr<IErrorInfo> info = create.as<IErrorInfo>(IID_IErrorInfo);
        SetErrorInfo(0, info.get());
    } catch (const std::bad_alloc&) {
        // The code alone still reaches the caller.
    }
    return code;
}

HRESULT raiseError(const ErrorInfo& info, std::u16string_view fallbackSource, REFIID iid) noexcept {
    std::u16string_view source = info.source.empty() ? fallbackSource : std::u16string_view(info.source);
    return raiseError(static_cast<HRESULT>(info.number), source, info.description, iid);
}

HRESULT notAvailable(std::u16string_view source, std::u16string_view member, REFIID iid) noexcept {
    try {
        std::u16string_view library = source.substr(0, source.find(u'.'));
        std::u16string description = u"The member " + std::u16string(member) + u" is not available in this version of " +
                                     std::u16string(library) + u".";
        return raiseError(E_NOTIMPL, source, description, iid);
    } catch (const std::bad_alloc&) {
        return E_NOTIMPL;
    }
}

}  // namespace cz::com

// The colour dialog (comdlg32).
#include <windows.h>
#include <commdlg.h>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(CHOOSECOLORA) == 36);
#endif

bool Win32Platform::ChooseColorA(ChooseColorRecord& record) {
    std::string templateName = ToAnsi(record.lpTemplateName);
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = toHwnd(record.hwndOwner);
    cc.hInstance = toHwnd(record.hInstance);
    cc.rgbResult = record.rgbResult;
    static_assert(sizeof(COLORREF) == sizeof(*record.lpCustColors));
    cc.lpCustColors = reinterpret_cast<COLORREF*>(record.lpCustColors);
    cc.Flags = record.Flags;
    cc.lCustData = record.lCustData;
    cc.lpfnHook = asSystemProcedure<LPCCHOOKPROC>(record.lpfnHook);
    cc.lpTemplateName = templateName.empty() ? nullptr : templateName.c_str();

    BOOL confirmed = systemFunction<decltype(&::ChooseColorA)>(kCommonDialogs, "ChooseColorA")(&cc);
    record.rgbResult = cc.rgbResult;
    record.Flags = cc.Flags;
    return confirmed != FALSE;
}

}  // namespace cz::win32

// The font dialog (comdlg32).
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {

#if defined(__i386__)
static_assert(sizeof(CHOOSEFONTA) == 60);
static_assert(sizeof(LOGFONTA) == 60);
#endif
static_assert(sizeof(LOGFONTA::lfFaceName) == sizeof(LogFontRecord::lfFaceName));

namespace {

// The record and the system's LOGFONT hold the same fields under the same names, both ways.
template <class From, class To>
void copyFields(const From& from, To& to) {
    to.lfHeight = from.lfHeight;
    to.lfWidth = from.lfWidth;
    to.lfEscapement = from.lfEscapement;
    to.lfOrientation = from.lfOrientation;
    to.lfWeight = from.lfWeight;
    to.lfItalic = from.lfItalic;
    to.lfUnderline = from.lfUnderline;
    to.lfStrikeOut = from.lfStrikeOut;
    to.lfCharSet = from.lfCharSet;
    to.lfOutPrecision = from.lfOutPrecision;
    to.lfClipPrecision = from.lfClipPrecision;
    to.lfQuality = from.lfQuality;
    to.lfPitchAndFamily = from.lfPitchAndFamily;
}

void toSystem(const LogFontRecord& from, LOGFONTA& to) {
    copyFields(from, to);
    std::memcpy(to.lfFaceName, from.lfFaceName.data(), sizeof(to.lfFaceName));
}

void fromSystem(const LOGFONTA& from, LogFontRecord& to) {
    copyFields(from, to);
    std::memcpy(to.lfFaceName.data(), from.lfFaceName, sizeof(from.lfFaceName));
}

}  // namespace

bool Win32Platform::ChooseFontA(ChooseFontRecord& record) {
    std::string templateName = ToAnsi(record.lpTemplateName);
    // The style buffer keeps its size (as many characters as the caller's text has), and holds at least
    // the face-name length the dialog may write into it, and a NUL.
    std::string style = ToAnsi(record.lpszStyle);
    style.resize(std::max({style.size(), record.lpszStyle.size(), std::size_t{LF_FACESIZE}}) + 1, '\0');
    LOGFONTA logFont{};
    if (record.lpLogFont) toSystem(*record.lpLogFont, logFont);

    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = toHwnd(record.hwndOwner);
    cf.hDC = static_cast<HDC>(LongToHandle(record.hDC));
    cf.lpLogFont = record.lpLogFont ? &logFont : nullptr;
    cf.iPointSize = record.iPointSize;
    cf.Flags = record.Flags;
    cf.rgbColors = record.rgbColors;
    cf.lCustData = record.lCustData;
    cf.lpfnHook = asSystemProcedure<LPCFHOOKPROC>(record.lpfnHook);
    cf.lpTemplateName = templateName.empty() ? nullptr : templateName.c_str();
    cf.hInstance = reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(record.hInstance));
    cf.lpszStyle = record.lpszStyle.empty() ? nullptr : style.data();
    cf.nFontType = record.nFontType;
    cf.nSizeMin = record.nSizeMin;
    cf.nSizeMax = record.nSizeMax;

    BOOL confirmed = systemFunction<decltype(&::ChooseFontA)>(kCommonDialogs, "ChooseFontA")(&cf);
    if (record.lpLogFont) fromSystem(logFont, *record.lpLogFont);
    record.iPointSize = cf.iPointSize;
    record.Flags = cf.Flags;
    record.rgbColors = cf.rgbColors;
    record.nFontType = cf.nFontType;
    if (!record.lpszStyle.empty()) {
        String returned = FromAnsi(std::string_view(style.c_str()));
        returned.resize(record.lpszStyle.size(), u'\0');
        record.lpszStyle = returned;
    }
    return confirmed != FALSE;
}

}  // namespace cz::win32

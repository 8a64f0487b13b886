// The simulated font dialog, the standard font object, the screen's resolution and the printer's device
// contexts.
#include "platform/sim/sim_platform.h"

namespace cz::sim {

bool SimPlatform::ChooseFontA(ChooseFontRecord& record) {
    enter("ChooseFontA");
    DialogOpen open{*this};
    FontDialogRun run{record, record.lpLogFont ? *record.lpLogFont : LogFontRecord{}, false, openDialog(), {}};
    // The platform calls the hook only when the record enables it.
    if ((record.Flags & kFontEnableHook) && record.lpfnHook) {
        run.hooked = true;
        record.lpfnHook(run.dialog, msg::InitDialog, 0, reinterpret_cast<std::intptr_t>(&record));
    }
    run.shown = windows_[run.dialog];
    LogFontRecord scratch{};
    LogFontRecord& logFont = record.lpLogFont ? *record.lpLogFont : scratch;
    bool confirmed = fontUser ? fontUser(record, logFont, run.dialog) : false;
    windows_.erase(run.dialog);
    fontDialogs.push_back(run);
    return confirmed;
}

Object SimPlatform::NewStdFont() {
    enter("NewStdFont");
    if (!stdFontFactory) throw Failure(runtime_error::CantCreateObject, u"ActiveX component can't create object: 'StdFont'");
    return stdFontFactory();
}

float SimPlatform::ScreenTwipsPerPixelY() {
    enter("ScreenTwipsPerPixelY");
    return twipsPerPixelY;
}

std::int32_t SimPlatform::CreatePrinterDC() {
    enter("CreatePrinterDC");
    if (!hasPrinter) throw Failure(static_cast<std::int32_t>(0x80004005), u"There is no current printer");  // E_FAIL
    std::int32_t hdc = nextDeviceContext_++;
    deviceContexts_.insert(hdc);
    handOut("device context", static_cast<std::uintptr_t>(hdc));
    printerContextsMade.push_back(hdc);
    return hdc;
}

bool SimPlatform::DeleteDC(std::int32_t hdc) {
    releaseCall("device context", static_cast<std::uintptr_t>(hdc));
    enter("DeleteDC");
    ++deviceContextDeletes[hdc];
    return deviceContexts_.erase(hdc) != 0;
}

}  // namespace cz::sim

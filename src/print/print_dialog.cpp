#include "print/print_dialog.h"

#include "frame/errors.h"
#include "frame/handler.h"
#include "platform/owned.h"

namespace cz {
namespace {

// The platform's flag bit for the page range the object holds; none for ePrintRange_All and any value
// outside the enumeration.
std::uint32_t RangeBit(std::int32_t printRange) {
    if (printRange == ePrintRange_PageNumbers) return kPrintPageNums;
    if (printRange == ePrintRange_Selection) return kPrintSelection;
    return 0;
}

// The page range the user chose, from the returned flags; a page range wins over the selection.
std::int32_t RangeOf(std::uint32_t flags) {
    if (flags & kPrintPageNums) return ePrintRange_PageNumbers;
    if (flags & kPrintSelection) return ePrintRange_Selection;
    return ePrintRange_All;
}

// The 16-bit fields travel bit for bit: -1 is page 65535, and page 65535 reads back as -1.
std::uint16_t Unsigned(std::int16_t value) { return static_cast<std::uint16_t>(value); }
std::int16_t Signed(std::uint16_t value) { return static_cast<std::int16_t>(value); }

}  // namespace

clsZqPickerPrintDialogA::clsZqPickerPrintDialogA(Platform& platform) : platform_(platform) {}

void clsZqPickerPrintDialogA::HWndOwner(std::int32_t value) {
    Handler on{platform_, class_constant::PrintDialog, u"HWndOwner"};
    ValidateOwner(on, platform_, value, eErrPrintDialog_InvalidWindowHandle);
    hwndOwner_ = value;
}

void clsZqPickerPrintDialogA::Init(std::int32_t hwndOwner, std::int32_t flags) {
    Handler on{platform_, class_constant::PrintDialog, u"Init"};
    ValidateOwner(on, platform_, hwndOwner, eErrPrintDialog_InvalidWindowHandle);
    hwndOwner_ = hwndOwner;
    flags_ = flags;
}

Bool clsZqPickerPrintDialogA::Show() {
    Handler on{platform_, class_constant::PrintDialog, u"Show"};
    bool confirmed = false;

    PrintDlgRecord rec{};
    // The object supplies no hook and no template: their bits would only make the platform refuse the
    // record, so they stay out of it (the stored flags keep them).
    rec.Flags = (static_cast<std::uint32_t>(flags_) | RangeBit(printRange_)) & ~kPrintHooksAndTemplates;
    rec.hDC = hdc_;
    rec.hwndOwner = hwndOwner_;
    rec.lStructSize = 66;
    rec.nCopies = Unsigned(copies_);
    rec.nFromPage = Unsigned(fromPage_);
    rec.nMaxPage = Unsigned(max_);
    rec.nMinPage = Unsigned(min_);
    rec.nToPage = Unsigned(toPage_);

    on.step([&] { confirmed = platform_.PrintDlgA(rec); });
    {
        // The device-mode and device-names blocks the dialog allocated: nothing reads them and the
        // object keeps neither, so they are freed here, whatever the dialog returned.
        GlobalBlock devMode{platform_, rec.hDevMode};
        GlobalBlock devNames{platform_, rec.hDevNames};
    }
    if (!confirmed) return False;

    copies_ = Signed(rec.nCopies);
    fromPage_ = Signed(rec.nFromPage);
    hdc_ = rec.hDC;
    max_ = Signed(rec.nMaxPage);
    min_ = Signed(rec.nMinPage);
    printRange_ = RangeOf(rec.Flags);
    toPage_ = Signed(rec.nToPage);
    return True;
}

}  // namespace cz

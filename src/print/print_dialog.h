// clsZqPickerPrintDialogA: the print and print-setup dialog.
#pragma once

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

enum EPrintRange : std::int32_t {
    ePrintRange_All = 0,
    ePrintRange_PageNumbers = 1,
    ePrintRange_Selection = 2,
};

enum EPrintFlags : std::int32_t {
    ePrintFlag_AllPages = 0x0,
    ePrintFlag_Selection = 0x1,
    ePrintFlag_PageNums = 0x2,
    ePrintFlag_NoSelection = 0x4,
    ePrintFlag_NoPageNums = 0x8,
    ePrintFlag_Collate = 0x10,
    ePrintFlag_PrintToFile = 0x20,
    ePrintFlag_PrintSetup = 0x40,
    ePrintFlag_NoWarning = 0x80,
    ePrintFlag_ReturnDc = 0x100,
    ePrintFlag_ReturnIc = 0x200,
    ePrintFlag_ReturnDefault = 0x400,
    ePrintFlag_ShowHelp = 0x800,
    ePrintFlag_EnablePrintHook = 0x1000,
    ePrintFlag_EnableSetupHook = 0x2000,
    ePrintFlag_EnablePrintTemplate = 0x4000,
    ePrintFlag_EnableSetupTemplate = 0x8000,
    ePrintFlag_EnablePrintTemplateHandle = 0x10000,
    ePrintFlag_EnableSetupTemplateHandle = 0x20000,
    ePrintFlag_UseDevModeCopies = 0x40000,
    ePrintFlag_UseDevModeCopiesAndCollate = 0x40000,
    ePrintFlag_DisablePrintToFile = 0x80000,
    ePrintFlag_HidePrintToFile = 0x100000,
    ePrintFlag_NoNetworkButton = 0x200000,
};

class clsZqPickerPrintDialogA {
public:
    explicit clsZqPickerPrintDialogA(Platform& platform);

    void Init(std::int32_t hwndOwner, std::int32_t flags);
    // Shows the print (or, with ePrintFlag_PrintSetup, the print-setup) dialog; True when the user
    // confirmed it. On a confirmation Copies, FromPage, HDC, Max, Min, PrintRange and ToPage hold the
    // user's choices; otherwise nothing changes. Flags is never changed.
    Bool Show();

    std::int16_t Copies() const { return copies_; }
    void Copies(std::int16_t value) { copies_ = value; }
    std::int32_t Flags() const { return flags_; }
    void Flags(std::int32_t value) { flags_ = value; }
    std::int16_t FromPage() const { return fromPage_; }
    void FromPage(std::int16_t value) { fromPage_ = value; }
    std::int32_t HDC() const { return hdc_; }
    void HDC(std::int32_t value) { hdc_ = value; }
    std::int32_t HWndOwner() const { return hwndOwner_; }
    void HWndOwner(std::int32_t value);
    std::int16_t Max() const { return max_; }
    void Max(std::int16_t value) { max_ = value; }
    std::int16_t Min() const { return min_; }
    void Min(std::int16_t value) { min_ = value; }
    std::int32_t PrintRange() const { return printRange_; }
    void PrintRange(std::int32_t value) { printRange_ = value; }
    std::int16_t ToPage() const { return toPage_; }
    void ToPage(std::int16_t value) { toPage_ = value; }

private:
    Platform& platform_;
    std::int32_t flags_ = 0;
    std::int32_t printRange_ = ePrintRange_All;
    std::int16_t copies_ = 1;
    std::int16_t fromPage_ = 0;
    std::int16_t max_ = -1;
    std::int16_t min_ = 1;
    std::int16_t toPage_ = 0;
    std::int32_t hdc_ = 0;
    std::int32_t hwndOwner_ = 0;
};

}  // namespace cz

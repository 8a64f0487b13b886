// clsZqPickerColorDialogA: the colour picker, with custom colours kept per object.
#pragma once

#include <array>

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

enum EColourFlags : std::int32_t {
    eColourFlag_FullOpen = 2,
    eColourFlag_PreventFullOpen = 4,
    eColourFlag_HelpButton = 8,
};

class clsZqPickerColorDialogA {
public:
    explicit clsZqPickerColorDialogA(Platform& platform);

    std::int32_t HWndOwner() const { return hwndOwner_; }
    void HWndOwner(std::int32_t value);
    std::int32_t Flags() const { return flags_; }
    void Flags(std::int32_t value) { flags_ = value; }
    std::int32_t InitialColour() const { return initialColour_; }
    void InitialColour(std::int32_t value) { initialColour_ = value; }
    std::int32_t SelectedColour() const { return selectedColour_; }
    // Caption and centring are shared by every colour object of the thread (the hooks read them).
    const String& DialogTitle() const;
    void DialogTitle(const String& value);
    Bool CenterDialog() const;
    void CenterDialog(Bool value);

    void Init(std::int32_t initialColour, const String& dialogTitle, std::int32_t hwndOwner, std::int32_t flags);
    // Shows the dialog; True when the user chose a colour, which SelectedColour then holds.
    Bool Show();

private:
    Platform& platform_;
    std::int32_t flags_ = 0;
    std::int32_t hwndOwner_ = 0;
    std::int32_t initialColour_ = 0;
    std::int32_t selectedColour_ = -1;
    bool customColoursReady_ = false;
    std::array<std::int32_t, 16> customColours_{};
};

}  // namespace cz

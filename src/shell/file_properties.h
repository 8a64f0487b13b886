// clsZqPickerFilePpsA: the shell's properties sheet of a file, and the shell's about box. No state, no
// handler: each member is one call into the shell, and a failure reaches the client unchanged.
#pragma once

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

class clsZqPickerFilePpsA {
public:
    explicit clsZqPickerFilePpsA(Platform& platform) : platform_(platform) {}
    virtual ~clsZqPickerFilePpsA() = default;

    // Owner first, file second: hands both, swapped, to this object's own ShowProperties and drops its
    // result.
    void DisplayFileProperties(std::int32_t HWNOwner, const String& sFullFileAndPathName);
    // Asks the shell for the file's properties sheet; returns the shell's hInstApp: above 32 when the
    // sheet was started, else the shell's error code. Does not wait for the sheet. Virtual: it is the
    // object's public face, which DisplayFileProperties goes through.
    virtual std::int32_t ShowProperties(const String& FileName, std::int32_t OwnerhWnd);
    // The shell's modal about box; the result is always Empty.
    Variant ShowAbout(std::int32_t HWndOwner, const String& AppName, const String& Message, std::int32_t hIcon = 0);

private:
    Platform& platform_;
};

}  // namespace cz

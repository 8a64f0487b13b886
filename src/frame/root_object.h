// clsZqChooser10A, the library's root object: its application object, its own resources, the framework's
// about box and one object reference shared by every root object of a thread. No handler: every
// failure reaches the client unchanged.
#pragma once

#include <cstdint>
#include <vector>

#include "automation/automation.h"
#include "platform/platform.h"

namespace cz {

class clsZqChooser10A {
public:
    explicit clsZqChooser10A(Platform& platform) : platform_(platform) {}

    // The same application object that every report carries.
    Object GetProStdProperties();
    String GetProResStrings(std::int32_t lResId);
    // lRestype is narrowed to 16 bits before any lookup: outside -32768..32767 it is an overflow.
    Picture GetProResPicture(std::int32_t lResId, std::int32_t lRestype);
    // The resource's bytes; vRestype (a number or a name) goes to the loader unchanged.
    std::vector<std::uint8_t> GetProResData(std::int32_t lResId, const Variant& vRestype);
    // The framework component's about box for the library; always 0.
    std::int32_t About();

    // This thread's shared reference: Nothing until a reference put on this thread.
    Object BuddyObjectGlobal() const;
    void BuddyObjectGlobal(const Object& value);

private:
    Platform& platform_;
};

}  // namespace cz

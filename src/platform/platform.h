// Every operation the class logic performs on the operating system and the automation layer. The
// classes reach the outside only through this interface: the win32 implementation calls the real
// system, the simulation scripts outcomes and records what it was asked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/automation.h"

namespace cz {

class Platform {
public:
    virtual ~Platform() = default;

    // Windows (user32).
    virtual bool IsWindow(std::int32_t hwnd) = 0;

    // Automation: a new object of a registered class, reached late-bound.
    virtual Object CreateObject(std::u16string_view progId) = 0;

    // The running library: full path of its own file.
    virtual String LibraryPath() = 0;

    // The system's ANSI code page, as the ANSI platform functions see text.
    virtual std::string ToAnsi(std::u16string_view text) = 0;
    virtual String FromAnsi(std::string_view text) = 0;
};

}  // namespace cz

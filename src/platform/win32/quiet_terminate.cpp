// The handler std::terminate calls when an exception escapes where none may. The compiler runtime's
// own handler prints the exception's demangled type and brings the demangler in with it (some 36 KB of
// each DLL); ours says the same in one line to the debug output, without the type's name, and aborts.
// Linked into each DLL as an object of its own, so that it takes the runtime handler's place.
#include <windows.h>

#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    OutputDebugStringA(std::current_exception() ? "terminate called after an exception escaped\n"
                                                : "terminate called without an active exception\n");
    std::abort();
}

}  // namespace __gnu_cxx

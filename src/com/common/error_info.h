// Failures leaving a member: the HRESULT plus the thread's error information (what a script reads as
// Err.Number, Err.Source and Err.Description). No C++ exception crosses the COM boundary.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string_view>
#include <type_traits>

#include "automation/failure.h"

namespace cz::com {

// Sets the error information and returns the code, made a failure code if it was none.
HRESULT raiseError(HRESULT code, std::u16string_view source, std::u16string_view description, REFIID iid) noexcept;
// The same for a failure of the portable code; an empty source becomes fallbackSource.
HRESULT raiseError(const ErrorInfo& info, std::u16string_view fallbackSource, REFIID iid) noexcept;

// E_NOTIMPL with a description saying that the member is not available in this version of the library
// (named by source up to its first dot).
HRESULT notAvailable(std::u16string_view source, std::u16string_view member, REFIID iid) noexcept;

// Runs a member's body (returning void or an HRESULT) and turns whatever it throws into a failure code
// with error information: cz::Raised and cz::Failure carry their own number, source and description.
template <class Body>
HRESULT guarded(std::u16string_view source, REFIID iid, Body&& body) noexcept {
    try {
        if constexpr (std::is_void_v<decltype(body())>) {
            body();
            return S_OK;
        } else {
            return body();
        }
    } catch (const Raised& raised) {
        return raiseError(raised.info(), source, iid);
    } catch (const Failure& failure) {
        return raiseError(failure.info(), source, iid);
    } catch (const std::bad_alloc&) {
        return raiseError(E_OUTOFMEMORY, source, u"Out of memory", iid);
    } catch (...) {
        return raiseError(E_UNEXPECTED, source, u"Unexpected internal failure", iid);
    }
}

}  // namespace cz::com

// Automation strings: an owning BSTR and the conversions to and from the portable string.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

#include "automation/automation.h"

namespace cz::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "BSTR and cz::String share their code units");

class Bstr {
public:
    Bstr() noexcept = default;
    // Copies the text, embedded NULs included. Throws std::bad_alloc.
    explicit Bstr(std::u16string_view text);
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        Bstr(std::move(other)).swap(*this);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(s_); }

    static Bstr adopt(BSTR s) noexcept {
        Bstr result;
        result.s_ = s;
        return result;
    }

    BSTR get() const noexcept { return s_; }
    BSTR* put() noexcept {
        Bstr().swap(*this);
        return &s_;
    }
    // The owned string's slot, for a by-reference argument: what the callee leaves there is owned here.
    BSTR* reference() noexcept { return &s_; }
    BSTR detach() noexcept { return std::exchange(s_, nullptr); }
    void swap(Bstr& other) noexcept { std::swap(s_, other.s_); }

private:
    BSTR s_ = nullptr;
};

// The text of a BSTR with its full length; a null BSTR is the empty string.
String toString(const wchar_t* bstr);

// A zero-terminated wide copy for the wide system functions.
inline const wchar_t* wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline String fromWide(std::wstring_view text) { return String(reinterpret_cast<const char16_t*>(text.data()), text.size()); }

}  // namespace cz::win32

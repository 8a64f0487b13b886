// The two kinds of failure: one that a member's handler reports and skips, and a code raised to the
// client that no handler catches.
#pragma once

#include <cstdint>
#include <exception>

#include "automation/automation.h"

namespace cz {

// What an error object carries: number (an HRESULT), source and description.
struct ErrorInfo {
    std::int32_t number = 0;
    String source;
    String description;
};

// A step that failed: a platform call, a conversion, an overflow, an unreachable object.
class Failure : public std::exception {
public:
    explicit Failure(ErrorInfo info) : info_(std::move(info)) {}
    Failure(std::int32_t number, String description) : info_{number, {}, std::move(description)} {}
    const ErrorInfo& info() const noexcept { return info_; }
    const char* what() const noexcept override { return "cz::Failure"; }

private:
    ErrorInfo info_;
};

// A code raised to the client on purpose. Deliberately not a Failure, so no handler catches it.
class Raised : public std::exception {
public:
    explicit Raised(ErrorInfo info) : info_(std::move(info)) {}
    const ErrorInfo& info() const noexcept { return info_; }
    const char* what() const noexcept override { return "cz::Raised"; }

private:
    ErrorInfo info_;
};

// Numbers of the automation runtime's own failures, as HRESULTs.
namespace runtime_error {
inline constexpr std::int32_t InvalidProcedureCall = static_cast<std::int32_t>(0x800A0005);  // 5
inline constexpr std::int32_t Overflow = static_cast<std::int32_t>(0x800A0006);           // 6
inline constexpr std::int32_t CantCreateObject = static_cast<std::int32_t>(0x800A01AD);   // 429
inline constexpr std::int32_t NoSuchMember = static_cast<std::int32_t>(0x800A01B6);       // 438
inline constexpr std::int32_t TypeMismatch = static_cast<std::int32_t>(0x800A000D);       // 13
inline constexpr std::int32_t ObjectNotSet = static_cast<std::int32_t>(0x800A005B);       // 91
inline constexpr std::int32_t ResourceNotFound = static_cast<std::int32_t>(0x800A0146);   // 326
}  // namespace runtime_error

// The object behind a reference, or the runtime's failure for a reference that is Nothing.
inline LateBound& use(const Object& object) {
    if (!object) throw Failure(runtime_error::ObjectNotSet, u"Object variable not set");
    return *object;
}

}  // namespace cz

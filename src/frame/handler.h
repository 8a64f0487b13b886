// The per-member failure handler: every member of a dialog class makes one first and runs each step
// that can fail through it.
#pragma once

#include <functional>
#include <utility>

#include "automation/failure.h"
#include "platform/platform.h"

namespace cz {

class Handler {
public:
    // Standard mode: a failing step is reported as "<classConstant>.<procedure>" and skipped.
    Handler(Platform& platform, std::u16string_view classConstant, std::u16string_view procedure)
        : platform_(&platform), classConstant_(classConstant), procedure_(procedure) {}

    // Resume-next mode: a failing step is skipped silently.
    static Handler ResumeNext() { return Handler(); }

    // Runs one step. Returns false when it failed (and was reported), so the member goes on with the
    // next step. A Raised code passes through untouched, and so does a failure of the report itself.
    template <class Step>
    bool step(Step&& body) {
        try {
            std::forward<Step>(body)();
            return true;
        } catch (const Failure& failure) {
            handle(failure.info());
            return false;
        }
    }

    // Evaluates a condition as one step. A condition that fails to evaluate enters the branch it guards.
    template <class Condition>
    bool test(Condition&& condition) {
        bool result = true;
        step([&] { result = std::forward<Condition>(condition)(); });
        return result;
    }

    // Runs before the report; lets a member set its result first.
    void beforeReport(std::function<void()> action) { beforeReport_ = std::move(action); }

    // Switches the handler off and raises the code to the client, with the library's source for this
    // class. Nothing after it runs.
    [[noreturn]] void raise(std::int32_t number, std::u16string_view description);

    String qualifiedName() const;

private:
    Handler() = default;
    void handle(const ErrorInfo& failure);

    Platform* platform_ = nullptr;  // null in resume-next mode
    std::u16string_view classConstant_;
    std::u16string_view procedure_;
    std::function<void()> beforeReport_;
};

// The owner-window rule shared by the dialog classes: 0 and negative handles are taken untested, a
// positive one must name an existing window or the class's invalid-window-handle code is raised.
void ValidateOwner(Handler& on, Platform& platform, std::int32_t hwnd, std::int32_t invalidHandleCode);

}  // namespace cz

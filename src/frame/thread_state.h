// The ends of a thread's module state (the hook state, hook_state.h), called from the module's entry
// points and from the platform's apartment-end notice. The design is in thread_state.cpp.
#pragma once

namespace cz {

// The thread's apartment is about to end, COM still works: release the references its state holds.
void releaseThreadReferences() noexcept;
// The thread is ending (under the loader lock): free its state; a reference still held is abandoned.
void endThreadState() noexcept;
// The module is ending (under the loader lock): the same for every thread's state that is left.
void endAllThreadStates() noexcept;

// Whether this thread's state (if it has one) holds an object reference; for tests.
bool threadStateHoldsReferences() noexcept;

}  // namespace cz

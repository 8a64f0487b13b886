#include "frame/hook_state.h"

namespace cz {

HookState& hookState() {
    thread_local HookState state;
    return state;
}

}  // namespace cz

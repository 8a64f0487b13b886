// basZqPickerCallBackA's module state: what the dialog objects hand to the hook procedures, which the
// platform calls with nothing but the dialog's window. One set per client thread, zero on first use;
// how it is made and ended: thread_state.h.
#pragma once

#include "automation/automation.h"
#include "frame/held_object.h"
#include "platform/platform.h"

namespace cz {

struct HookState {
    String ColourDialogTitle;
    Bool ColourCenterDialog = False;
    String FontDialogTitle;
    Bool FontCenterDialog = False;
    Bool FileCenterDialog = False;
    Bool PreviewEnabled = False;
    HeldObject PreviewSender;
    HeldObject PreviewHost;
    WindowHandle PreviewHostParent = 0;
    // The root object's shared reference.
    HeldObject BuddyObjectGlobal;

    // The platform of the dialog that is running on this thread: the hooks reach the system through it.
    Platform* platform = nullptr;

    // Every object reference above (each a HeldObject): the state's ends release or abandon them.
    template <class Visit>
    void forEachReference(Visit&& visit) {
        visit(PreviewSender);
        visit(PreviewHost);
        visit(BuddyObjectGlobal);
    }
};

// This thread's state, made on its first use. Throws std::bad_alloc.
HookState& hookState();

// Makes a platform the hooks' platform while one dialog runs on this thread, and restores the previous
// one afterwards (a hook may open another dialog).
class HookPlatformScope {
public:
    explicit HookPlatformScope(Platform& platform) : previous_(hookState().platform) { hookState().platform = &platform; }
    ~HookPlatformScope() { hookState().platform = previous_; }
    HookPlatformScope(const HookPlatformScope&) = delete;
    HookPlatformScope& operator=(const HookPlatformScope&) = delete;

private:
    Platform* previous_;
};

}  // namespace cz

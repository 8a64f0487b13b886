// Every object reference the library keeps for a client's thread, made live: the root object's
// BuddyObjectGlobal and the file dialog's preview sender (the file object itself) and preview host (the
// client's preview object), both registered by Init. Shared by the exit-path tests and the client whose
// process ends with them live.
#pragma once

#include <vector>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {

// The index of each class in kAllClasses.
enum ClassIndex { kRoot = 0, kFolder = 1, kColour = 2, kFile = 3, kShell = 4, kFont = 5, kPrint = 6 };

// Creates one object of every class into objects (empty on failure) and makes every per-thread reference
// live: buddy as BuddyObjectGlobal, previewHost as the file dialog's preview object. False when a class
// could not be created or the library refused a reference.
inline bool HoldEveryThreadReference(std::vector<ComPtr<IDispatch>>& objects, IDispatch* buddy, IDispatch* previewHost) {
    objects.clear();
    for (const auto& c : kAllClasses) {
        objects.emplace_back();
        if (FAILED(CreateByProgId(c.progId().c_str(), objects.back()))) {
            objects.clear();
            return false;
        }
    }
    if (Late(objects[kColour]).put(L"DialogTitle", Var::Str(L"held by the thread")).hr != S_OK) return false;
    if (Late(objects[kRoot]).putRef(L"BuddyObjectGlobal", Var::Dispatch(buddy)).hr != S_OK) return false;
    // The preview host has no window: Init reports that it cannot read one and keeps the host all the same.
    DispResult init = Late(objects[kFile]).call(
        L"Init", {Var::Str(L"All|*.*"), Var::I2(1), Var::Str(L"C:\\"), Var::Str(L""), Var::Str(L"held"), Var::I4(0),
                  Var::I4(0x280000), Var::Bool(true), Var::Dispatch(previewHost)});
    return init.hr == S_OK;
}

}  // namespace cz::testing

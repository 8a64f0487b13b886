// What one Show of a dialog object gave: its result, checked as the automation boolean it must be, and
// what the dialog watcher saw of the dialog meanwhile.
#pragma once

#include <gtest/gtest.h>

#include "com_client.h"
#include "dialog_driver.h"

namespace cz::testing {

// Show's result, which must be exactly the automation boolean: -1 for True, 0 for False.
inline ::testing::AssertionResult ShowReturned(const DispResult& shown, VARIANT_BOOL expected) {
    if (shown.hr != S_OK)
        return ::testing::AssertionFailure() << "Show failed: 0x" << std::hex << shown.error() << " "
                                             << Narrow(shown.description);
    if (shown.value.vt() != VT_BOOL) return ::testing::AssertionFailure() << "Show returned type " << shown.value.vt();
    if (V_BOOL(&*shown.value) != expected)
        return ::testing::AssertionFailure() << "Show returned " << V_BOOL(&*shown.value) << ", expected " << expected;
    return ::testing::AssertionSuccess();
}

// One Show of the object with the watcher acting on its dialog.
struct Shown {
    DispResult result;
    WatchReport report;

    const DialogSnapshot& dialog() const { return report.dialogs.at(0); }
};

}  // namespace cz::testing

// The library's own dialogs, shown for real and answered by the dialog driver: the pattern the dialog
// tests follow. Show runs on the test thread; the watcher types into the dialog and confirms or cancels.
#include <gtest/gtest.h>

#include <cmath>

#include "chooser_classes.h"
#include "com_client.h"
#include "dialog_driver.h"

namespace cz::testing {
namespace {

std::unique_ptr<Late> NewColourDialog() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(kColourDialog.progId().c_str(), object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

LONG Long(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.vt(), VT_I4);
    return V_I4(&*r.value);
}

TEST(RealColourDialog, TheColourTypedIntoTheDialogIsTheSelectedColour) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    ASSERT_EQ(colour->put(L"Flags", Var::I4(2)).hr, S_OK);  // full open: the red, green and blue fields show
    DispResult shown;
    WatchReport report = WithDialog([&] { shown = colour->call(L"Show"); },
                                    [](const Dialog& d) {
                                        d.setText(706, L"10");
                                        d.setText(707, L"20");
                                        d.setText(708, L"30");
                                        d.ok();
                                    });
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(shown.hr, S_OK);
    EXPECT_EQ(shown.value.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(&*shown.value), VARIANT_TRUE);
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), 0x1E140A) << "0x00BBGGRR";

    // A new object's dialog is captioned "Colour" and centred on the screen.
    ASSERT_EQ(report.seen(), 1);
    const DialogSnapshot& s = report.dialogs[0];
    EXPECT_EQ(s.caption, L"Colour");
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const double x = std::fabs(((desktop.right - desktop.left) - (s.rect.right - s.rect.left)) / 2.0);
    const double y = std::fabs(((desktop.bottom - desktop.top) - (s.rect.bottom - s.rect.top)) / 2.0);
    EXPECT_EQ(s.rect.left, static_cast<LONG>(std::nearbyint(x)));
    EXPECT_EQ(s.rect.top, static_cast<LONG>(std::nearbyint(y)));
}

TEST(RealColourDialog, CancellingGivesFalseAndNoColour) {
    auto colour = NewColourDialog();
    ASSERT_TRUE(colour);
    DispResult shown;
    WatchReport report = WithDialog([&] { shown = colour->call(L"Show"); }, [](const Dialog& d) { d.cancel(); });
    EXPECT_TRUE(report.clean()) << report.actionError;
    ASSERT_EQ(shown.hr, S_OK);
    EXPECT_EQ(shown.value.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(&*shown.value), VARIANT_FALSE);
    EXPECT_EQ(Long(colour->get(L"SelectedColour")), -1);
}

}  // namespace
}  // namespace cz::testing

// The dialog libraries are loaded by the first call that needs them: a client that creates the objects
// and sets and reads their properties never pays for comdlg32 and shell32; the first Show does. This
// program links neither library, so whatever loads them is the library under test.
#include <gtest/gtest.h>

#include <windows.h>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

bool Loaded(const wchar_t* dll) { return GetModuleHandleW(dll) != nullptr; }

TEST(LazyLibraries, CreatingEveryClassAndUsingItsPropertiesLoadsNoDialogLibrary) {
    ASSERT_FALSE(Loaded(L"comdlg32.dll")) << "the test program itself loaded it";
    ASSERT_FALSE(Loaded(L"shell32.dll")) << "the test program itself loaded it";
    for (const auto& c : kAllClasses) {
        SCOPED_TRACE(Narrow(c.name));
        ComPtr<IDispatch> object;
        ASSERT_EQ(CreateByProgId(c.progId().c_str(), object), S_OK);
        Late late(object);
        // A name every dialog class has; the others answer "unknown name", which is just as good here.
        DISPID id = 0;
        if (SUCCEEDED(late.id(L"HWndOwner", &id))) {
            EXPECT_EQ(late.put(L"HWndOwner", Var::I4(0)).hr, S_OK);
            EXPECT_EQ(late.get(L"HWndOwner").hr, S_OK);
        }
    }
    ASSERT_NE(GetModuleHandleW(L"Chooser10.dll"), nullptr);
    EXPECT_FALSE(Loaded(L"comdlg32.dll"));
    EXPECT_FALSE(Loaded(L"shell32.dll"));
}

TEST(LazyLibraries, TheFirstShowLoadsTheCommonDialogsAndWorks) {
    ASSERT_FALSE(Loaded(L"comdlg32.dll"));
    ComPtr<IDispatch> object;
    ASSERT_EQ(CreateByProgId(kPrintDialog.progId().c_str(), object), S_OK);
    Late print(object);
    constexpr LONG kReturnDefault = 0x400;  // the default printer without a dialog
    ASSERT_EQ(print.put(L"Flags", Var::I4(kReturnDefault)).hr, S_OK);
    DispResult shown = print.call(L"Show");
    ASSERT_EQ(shown.hr, S_OK) << Narrow(shown.description);
    ASSERT_EQ(shown.value.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(&*shown.value), VARIANT_TRUE) << "the print server's PDF printer is the default";
    EXPECT_TRUE(Loaded(L"comdlg32.dll"));
}

}  // namespace
}  // namespace cz::testing

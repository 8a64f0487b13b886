// The owner-window rule of the five dialog classes, through IDispatch by name (as a script calls) and
// through the dual interface's vtable (as an early-bound client calls): a positive handle must name a
// window, else the class's own error is raised with its source and description and the old value stays;
// 0 and negative values are taken as they are.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

// A positive number that names no window: the handle of a window that was just destroyed.
LONG NotAWindow() {
    LONG handle = DestroyedWindowHandle();
    EXPECT_GT(handle, 0);
    return handle;
}

class OwnerByName : public ::testing::TestWithParam<DialogClass> {
protected:
    void SetUp() override {
        ComPtr<IDispatch> object;
        ASSERT_EQ(CreateByProgId(GetParam().progId().c_str(), object), S_OK);
        late_ = std::make_unique<Late>(object);
    }

    LONG owner() const {
        DispResult r = late_->get(L"HWndOwner");
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.value.vt(), VT_I4);
        return V_I4(r.value.get());
    }

    void ExpectInvalidHandleError(const DispResult& r, const char* what) const {
        SCOPED_TRACE(what);
        EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(r.scode, GetParam().invalidWindowHandle);
        EXPECT_EQ(r.source, GetParam().errorSource());
        EXPECT_EQ(r.description, kInvalidWindowHandle);
    }

    std::unique_ptr<Late> late_;
};

TEST_P(OwnerByName, ARealWindowIsAcceptedAndADestroyedOneRaisesTheClassErrorKeepingTheOldValue) {
    EXPECT_EQ(owner(), 0) << "a new object has no owner";
    TestWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    ASSERT_EQ(late_->put(L"HWndOwner", Var::I4(window.handle())).hr, S_OK);
    EXPECT_EQ(owner(), window.handle());

    ExpectInvalidHandleError(late_->put(L"HWndOwner", Var::I4(NotAWindow())), "destroyed window");
    EXPECT_EQ(owner(), window.handle()) << "the old value stays";

    // Any positive number that names no window: one far from every handle of this process.
    ExpectInvalidHandleError(late_->put(L"HWndOwner", Var::I4(0x7FFE1234)), "arbitrary number");
    EXPECT_EQ(owner(), window.handle());
}

TEST_P(OwnerByName, ZeroAndNegativeValuesAreTakenWithoutATest) {
    for (LONG value : {-1L, 0L, -2147483647L - 1, -12345L}) {
        DispResult r = late_->put(L"HWndOwner", Var::I4(value));
        EXPECT_EQ(r.hr, S_OK) << value << ": " << Narrow(r.description);
        EXPECT_EQ(owner(), value);
    }
}

TEST_P(OwnerByName, AHandleInAnotherAutomationTypeIsCoercedFirst) {
    // Scripts hand over 16-bit integers and strings as readily as 32-bit ones.
    ASSERT_EQ(late_->put(L"HWndOwner", Var::I2(-1)).hr, S_OK);
    EXPECT_EQ(owner(), -1);
    ASSERT_EQ(late_->put(L"HWndOwner", Var::Str(L"-7")).hr, S_OK);
    EXPECT_EQ(owner(), -7);
    ExpectInvalidHandleError(late_->put(L"HWndOwner", Var::Str(std::to_wstring(NotAWindow()))), "as a string");
    EXPECT_EQ(owner(), -7);
}

TEST_P(OwnerByName, InitWithAnInvalidOwnerRaisesAndLeavesOwnerAndFlagsAlone) {
    TestWindow window;
    ASSERT_EQ(late_->put(L"HWndOwner", Var::I4(window.handle())).hr, S_OK);
    ASSERT_EQ(late_->put(L"Flags", Var::I4(2)).hr, S_OK);
    const std::wstring_view name = GetParam().name;
    // Each class's Init with the owner in its own position and every other argument omitted.
    std::vector<Var> args;
    if (name == kBrowseForFolder.name) args = {Var::Missing(), Var::I4(NotAWindow())};
    if (name == kColourDialog.name) args = {Var::Missing(), Var::Missing(), Var::I4(NotAWindow())};
    if (name == kFileDialog.name)
        args = {Var::Str(L"All|*.*"), Var::Missing(), Var::Missing(), Var::Missing(), Var::Missing(),
                Var::I4(NotAWindow())};
    if (name == kFontDialog.name) args = {Var::Missing(), Var::Missing(), Var::I4(NotAWindow())};
    if (name == kPrintDialog.name) args = {Var::I4(NotAWindow())};
    ASSERT_FALSE(args.empty());
    DispResult r = late_->call(L"Init", args);
    SKIP_WHILE_NOT_IMPLEMENTED(r);
    ExpectInvalidHandleError(r, "Init");
    EXPECT_EQ(owner(), window.handle());
    DispResult flags = late_->get(L"Flags");
    EXPECT_EQ(flags.hr, S_OK);
    EXPECT_EQ(V_I4(flags.value.get()), 2);
}

INSTANTIATE_TEST_SUITE_P(DialogClasses, OwnerByName, ::testing::ValuesIn(kDialogClasses),
                         [](const ::testing::TestParamInfo<DialogClass>& info) {
                             return std::string(Narrow(info.param.classConstant));
                         });

// Through the vtable of the dual interface: the status is the class's error number, and the error
// object (announced through ISupportErrorInfo) carries source and description.
template <class Interface>
void OwnerThroughVtable(const DialogClass& c, REFIID iid) {
    SCOPED_TRACE(Narrow(c.name));
    ComPtr<IDispatch> object;
    ASSERT_EQ(CreateByProgId(c.progId().c_str(), object), S_OK);
    ComPtr<Interface> dual;
    ASSERT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(dual.GetAddressOf())), S_OK);

    TestWindow window;
    LONG value = 12345;
    ASSERT_EQ(dual->get_HWndOwner(&value), S_OK);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(dual->put_HWndOwner(window.handle()), S_OK);
    ASSERT_EQ(dual->get_HWndOwner(&value), S_OK);
    EXPECT_EQ(value, window.handle());

    SetErrorInfo(0, nullptr);
    EXPECT_EQ(dual->put_HWndOwner(NotAWindow()), c.invalidWindowHandle);
    ErrorInfoRead error = ReadErrorInfo(dual.Get(), iid);
    EXPECT_TRUE(error.supported) << "ISupportErrorInfo does not announce the interface";
    EXPECT_TRUE(error.present);
    EXPECT_EQ(error.source, c.errorSource());
    EXPECT_EQ(error.description, kInvalidWindowHandle);
    ASSERT_EQ(dual->get_HWndOwner(&value), S_OK);
    EXPECT_EQ(value, window.handle()) << "the old value stays";

    ASSERT_EQ(dual->put_HWndOwner(-1), S_OK);
    ASSERT_EQ(dual->get_HWndOwner(&value), S_OK);
    EXPECT_EQ(value, -1);
    ASSERT_EQ(dual->put_HWndOwner(0), S_OK);
    ASSERT_EQ(dual->get_HWndOwner(&value), S_OK);
    EXPECT_EQ(value, 0);
}

TEST(OwnerThroughVtable, FolderBrowser) { OwnerThroughVtable<_clsZqPickerBFFA>(kBrowseForFolder, IID__clsZqPickerBFFA); }
TEST(OwnerThroughVtable, Colour) {
    OwnerThroughVtable<_clsZqPickerColorDialogA>(kColourDialog, IID__clsZqPickerColorDialogA);
}
TEST(OwnerThroughVtable, File) {
    OwnerThroughVtable<_clsZqPickerFileOpenSaveA>(kFileDialog, IID__clsZqPickerFileOpenSaveA);
}
TEST(OwnerThroughVtable, Font) { OwnerThroughVtable<_clsZqPickerFontDialogA>(kFontDialog, IID__clsZqPickerFontDialogA); }
TEST(OwnerThroughVtable, Print) {
    OwnerThroughVtable<_clsZqPickerPrintDialogA>(kPrintDialog, IID__clsZqPickerPrintDialogA);
}

TEST(OwnerThroughVtable, ASuccessfulCallLeavesNoStaleErrorForTheNextFailure) {
    // Two objects of different classes: the error object after each failure is that class's own.
    ComPtr<IDispatch> a, b;
    ASSERT_EQ(CreateByProgId(kFontDialog.progId().c_str(), a), S_OK);
    ASSERT_EQ(CreateByProgId(kPrintDialog.progId().c_str(), b), S_OK);
    ComPtr<_clsZqPickerFontDialogA> font;
    ComPtr<_clsZqPickerPrintDialogA> print;
    ASSERT_EQ(a.As(&font), S_OK);
    ASSERT_EQ(b.As(&print), S_OK);
    EXPECT_EQ(font->put_HWndOwner(NotAWindow()), kFontDialog.invalidWindowHandle);
    EXPECT_EQ(ReadErrorInfo(font.Get(), IID__clsZqPickerFontDialogA).source, kFontDialog.errorSource());
    EXPECT_EQ(print->put_HWndOwner(NotAWindow()), kPrintDialog.invalidWindowHandle);
    EXPECT_EQ(ReadErrorInfo(print.Get(), IID__clsZqPickerPrintDialogA).source, kPrintDialog.errorSource());
}

}  // namespace
}  // namespace cz::testing

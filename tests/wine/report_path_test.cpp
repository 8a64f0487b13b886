// The report path end to end on the real system: the portable class logic on the real platform, with one
// failure injected, reports to the real framework component (ZqPillar10.dll, registered in the prefix),
// and the report is read back from that component.
// The portable headers come first: they use names (WM_INITDIALOG, RtlMoveMemory, ...) that <windows.h>
// defines as macros.
#include "colour/colour_dialog.h"
#include "file/file_dialog.h"
#include "folder/bff.h"
#include "font/font_dialog.h"
#include "frame/errors.h"
#include "automation/failure.h"
#include "frame/framework_calls.h"
#include "print/print_dialog.h"
#include "platform/win32/win32_platform.h"
#include "forwarding_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "com_client.h"

namespace cz::testing {
namespace {

// The real platform with two faults that can be switched on: IsWindow fails, and the framework's error
// handler is asked for under a ProgID that is not registered.
class FaultyPlatform : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    std::optional<Failure> isWindowFailure;
    bool errorHandlerMissing = false;
    int isWindowCalls = 0;

    bool IsWindow(WindowHandle hwnd) override {
        ++isWindowCalls;
        if (isWindowFailure) throw *isWindowFailure;
        return inner_.IsWindow(hwnd);
    }
    Object CreateObject(std::u16string_view progId) override {
        if (errorHandlerMissing && progId == kErrorHandlerProgId)
            return inner_.CreateObject(u"ZqPillar10.clsZqfxErrorHandlerNotRegistered");
        return inner_.CreateObject(progId);
    }
};

const Failure kInjected{ErrorInfo{runtime_error::Overflow, u"Chooser10 test", u"injected IsWindow failure"}};

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
// This program's file name without folder and extension: the title of the application object when the
// class logic runs inside it.
std::wstring ProgramTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

// The reading side of the framework's error handler.
class Reports {
public:
    Reports() {
        ComPtr<IDispatch> handler;
        created_ = CreateByProgId(L"ZqPillar10.clsZqfxErrorHandlerA", handler);
        if (SUCCEEDED(created_)) late_ = std::make_unique<Late>(handler);
    }
    HRESULT created() const { return created_; }

    LONG count() const { return number(late_->invoke(L"ReportCount", kRead, {})); }
    std::wstring procedure(LONG i) const { return text(L"ReportProcedure", i); }
    LONG number(LONG i) const { return number(late_->invoke(L"ReportNumber", kRead, {Var::I4(i)})); }
    std::wstring source(LONG i) const { return text(L"ReportSource", i); }
    std::wstring description(LONG i) const { return text(L"ReportDescription", i); }
    std::wstring application(LONG i) const { return text(L"ReportApplication", i); }
    std::wstring arguments(LONG i) const { return text(L"ReportArguments", i); }
    HRESULT clear() const { return late_->call(L"ClearReports").hr; }

private:
    static constexpr WORD kRead = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

    static LONG number(const DispResult& r) {
        EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
        Var asLong;
        EXPECT_EQ(VariantChangeType(asLong.get(), const_cast<VARIANT*>(&*r.value), 0, VT_I4), S_OK);
        return V_I4(asLong.get());
    }
    std::wstring text(const wchar_t* member, LONG i) const {
        DispResult r = late_->invoke(member, kRead, {Var::I4(i)});
        EXPECT_EQ(r.hr, S_OK) << Narrow(member) << ": " << Narrow(r.description);
        EXPECT_EQ(r.value.vt(), VT_BSTR) << Narrow(member);
        return r.value.str();
    }

    HRESULT created_ = E_FAIL;
    std::unique_ptr<Late> late_;
};

// A new object of a dialog class on the given platform takes `first` as its owner, then `second`.
struct OwnerOutcome {
    bool raised = false;
    std::int32_t owner = 0;  // what the object holds afterwards
};

template <class Class>
OwnerOutcome PutOwnerTwice(Platform& platform, std::int32_t first, std::int32_t second) {
    Class object{platform};
    object.HWndOwner(first);
    OwnerOutcome outcome;
    try {
        object.HWndOwner(second);
    } catch (const Raised&) {
        outcome.raised = true;
    }
    outcome.owner = object.HWndOwner();
    return outcome;
}

struct PortableDialog {
    std::u16string_view classConstant;
    OwnerOutcome (*putOwnerTwice)(Platform&, std::int32_t, std::int32_t);
};

const PortableDialog kPortableDialogs[] = {
    {class_constant::BrowseForFolder, PutOwnerTwice<clsZqPickerBFFA>},
    {class_constant::ColourDialog, PutOwnerTwice<clsZqPickerColorDialogA>},
    {class_constant::FileOpenSave, PutOwnerTwice<clsZqPickerFileOpenSaveA>},
    {class_constant::FontDialog, PutOwnerTwice<clsZqPickerFontDialogA>},
    {class_constant::PrintDialog, PutOwnerTwice<clsZqPickerPrintDialogA>},
};

TEST(ReportPath, AFailedOwnerTestIsReportedOnceToTheFrameworkAndThenRaised) {
    Reports reports;
    ASSERT_EQ(reports.created(), S_OK) << "ZqPillar10.clsZqfxErrorHandlerA is not creatable";
    FaultyPlatform platform{win32::platform()};
    platform.isWindowFailure = kInjected;
    clsZqPickerBFFA bff{platform};
    const LONG before = reports.count();

    try {
        bff.HWndOwner(42);
        ADD_FAILURE() << "no error raised";
    } catch (const Raised& raised) {
        EXPECT_EQ(raised.info().number, -2147204442);
        EXPECT_EQ(wide(raised.info().source), ProgramTitle() + L".czPickerBrowseForFolder");
        EXPECT_EQ(wide(raised.info().description), L"Invalid window handle");
    }
    EXPECT_EQ(platform.isWindowCalls, 1);
    EXPECT_EQ(bff.HWndOwner(), 0) << "the old value stays";

    ASSERT_EQ(reports.count(), before + 1) << "exactly one report";
    EXPECT_EQ(reports.procedure(before), L"czPickerBrowseForFolder.HWndOwner");
    EXPECT_EQ(reports.number(before), runtime_error::Overflow);
    EXPECT_EQ(reports.source(before), L"Chooser10 test");
    EXPECT_EQ(reports.description(before), L"injected IsWindow failure");
    EXPECT_EQ(reports.application(before), ProgramTitle());
    EXPECT_EQ(reports.arguments(before), L"object;object;\"\";\"czPickerBrowseForFolder.HWndOwner\";0;\"\";0;missing");
}

TEST(ReportPath, EveryDialogClassReportsUnderItsOwnConstant) {
    Reports reports;
    ASSERT_EQ(reports.created(), S_OK);
    FaultyPlatform platform{win32::platform()};
    platform.isWindowFailure = kInjected;
    for (const auto& dialog : kPortableDialogs) {
        const std::wstring procedure = wide(dialog.classConstant) + L".HWndOwner";
        SCOPED_TRACE(Narrow(procedure));
        const LONG before = reports.count();
        OwnerOutcome outcome = dialog.putOwnerTwice(platform, -3, 42);
        EXPECT_TRUE(outcome.raised);
        EXPECT_EQ(outcome.owner, -3);
        ASSERT_EQ(reports.count(), before + 1);
        EXPECT_EQ(reports.procedure(before), procedure);
        EXPECT_EQ(reports.arguments(before), L"object;object;\"\";\"" + procedure + L"\";0;\"\";0;missing");
    }
}

TEST(ReportPath, AWorkingOwnerTestReportsNothing) {
    Reports reports;
    ASSERT_EQ(reports.created(), S_OK);
    FaultyPlatform platform{win32::platform()};
    clsZqPickerPrintDialogA print{platform};
    const LONG before = reports.count();
    TestWindow window;
    print.HWndOwner(window.handle());
    EXPECT_EQ(print.HWndOwner(), window.handle());
    try {
        print.HWndOwner(DestroyedWindowHandle());
        ADD_FAILURE() << "no error raised";
    } catch (const Raised& raised) {
        EXPECT_EQ(raised.info().number, eErrPrintDialog_InvalidWindowHandle);
    }
    EXPECT_EQ(print.HWndOwner(), window.handle());
    EXPECT_EQ(reports.count(), before);
}

TEST(ReportPath, WithoutTheFrameworksErrorHandlerTheMemberEndsWithTheCreationFailure) {
    Reports reports;
    ASSERT_EQ(reports.created(), S_OK);
    FaultyPlatform platform{win32::platform()};
    platform.isWindowFailure = kInjected;
    platform.errorHandlerMissing = true;
    clsZqPickerFontDialogA font{platform};
    font.HWndOwner(-9);
    const LONG before = reports.count();
    try {
        font.HWndOwner(42);
        ADD_FAILURE() << "the member went on after its report failed";
    } catch (const Raised&) {
        ADD_FAILURE() << "the invalid-handle code was raised although the report had failed";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.info().number, runtime_error::CantCreateObject)
            << "the real platform's creation failure is the runtime's 429";
    }
    EXPECT_EQ(font.HWndOwner(), -9);
    EXPECT_EQ(reports.count(), before);
}

TEST(ReportPath, ReportsFromAnotherThreadAreKeptForTheWholeProcess) {
    Reports reports;
    ASSERT_EQ(reports.created(), S_OK);
    ASSERT_EQ(reports.clear(), S_OK);
    ASSERT_EQ(reports.count(), 0);
    struct Work {
        bool raised = false;
        static DWORD WINAPI run(void* p) {
            auto* work = static_cast<Work*>(p);
            if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
            {
                FaultyPlatform platform{win32::platform()};
                platform.isWindowFailure = kInjected;
                clsZqPickerColorDialogA colour{platform};
                try {
                    colour.HWndOwner(42);
                } catch (const Raised&) {
                    work->raised = true;
                }
            }
            CoUninitialize();
            return 0;
        }
    } work;
    HANDLE thread = CreateThread(nullptr, 0, Work::run, &work, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 30000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(work.raised);
    ASSERT_EQ(reports.count(), 1);
    EXPECT_EQ(reports.procedure(0), L"czPickerColorDialog.HWndOwner");
}

}  // namespace
}  // namespace cz::testing

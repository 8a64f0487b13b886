// The failure handler: what a report carries, when it happens, and what bypasses it.
#include <gtest/gtest.h>

#include "fakes.h"
#include "folder/bff.h"
#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {
namespace {

using test::Fixture;
using test::someFailure;

String str(const Variant& v) { return std::get<String>(v); }
std::int32_t i32(const Variant& v) { return std::get<std::int32_t>(v); }
Object obj(const Variant& v) { return std::get<Object>(v); }

TEST(Handler, FailingStepIsReportedOnceWithTheEightValuesAndTheMemberGoesOn) {
    Fixture f;
    Handler on{f.sim, class_constant::BrowseForFolder, u"Flags"};
    std::vector<int> ran;
    on.step([&] { ran.push_back(1); });
    bool second = on.step([&] { throw Failure(ErrorInfo{runtime_error::Overflow, u"src", u"Overflow"}); });
    on.step([&] { ran.push_back(3); });

    EXPECT_FALSE(second);
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, u"ErrorHandlerMessageZq");
    const auto& a = calls[0].args;
    ASSERT_EQ(a.size(), 8u);
    // 1: the application object, named after the library's file.
    EXPECT_EQ(str(obj(a[0].value)->get(u"Title")), u"Chooser10");
    EXPECT_EQ(str(obj(a[0].value)->get(u"Path")), u"C:\\Program Files\\Chooser10");
    EXPECT_EQ(i32(obj(a[0].value)->get(u"Major")), 1);
    // 2: the error object of the failure.
    EXPECT_EQ(i32(obj(a[1].value)->get(u"Number")), runtime_error::Overflow);
    EXPECT_EQ(str(obj(a[1].value)->get(u"Source")), u"src");
    EXPECT_EQ(str(obj(a[1].value)->get(u"Description")), u"Overflow");
    EXPECT_EQ(str(a[2].value), u"");
    EXPECT_EQ(str(a[3].value), u"czPickerBrowseForFolder.Flags");
    EXPECT_EQ(i32(a[4].value), 0);
    EXPECT_EQ(str(a[5].value), u"");
    EXPECT_EQ(i32(a[6].value), 0);
    EXPECT_TRUE(std::holds_alternative<Missing>(a[7].value));
    EXPECT_FALSE(a[7].byRef);
    // The first seven travel by reference, as the framework's interface declares them.
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(a[i].byRef) << i;
}

TEST(Handler, EachFailingStepGetsItsOwnReport) {
    Fixture f;
    Handler on{f.sim, class_constant::PrintDialog, u"Show"};
    for (int i = 0; i < 3; ++i) on.step([] { throw someFailure(); });
    EXPECT_EQ(f.reportCalls().size(), 3u);
    EXPECT_EQ(f.reports.size(), 3u) << "one framework object per report";
}

TEST(Handler, AFailedConditionEntersTheBranchItGuards) {
    Fixture f;
    Handler on{f.sim, class_constant::ColourDialog, u"Show"};
    EXPECT_TRUE(on.test([]() -> bool { throw someFailure(); }));
    EXPECT_FALSE(on.test([] { return false; }));
    EXPECT_TRUE(on.test([] { return true; }));
    EXPECT_EQ(f.reportCalls().size(), 1u);
}

TEST(Handler, ResumeNextSkipsWithoutReporting) {
    Fixture f;
    Handler on = Handler::ResumeNext();
    bool after = false;
    EXPECT_FALSE(on.step([] { throw someFailure(); }));
    on.step([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(f.sim.count("CreateObject"), 0);
}

TEST(Handler, ARaisedCodeBypassesTheHandler) {
    Fixture f;
    Handler on{f.sim, class_constant::FontDialog, u"Init"};
    try {
        on.step([&] { on.raise(eErrFontDialog_InvalidWindowHandle, kInvalidWindowHandle); });
        FAIL() << "the raise was swallowed";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, -2147203983);
        EXPECT_EQ(r.info().source, u"Chooser10.czPickerFontDialog");
        EXPECT_EQ(r.info().description, u"Invalid window handle");
    }
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST(Handler, BeforeReportRunsAheadOfTheReport) {
    Fixture f;
    Handler on{f.sim, class_constant::FontDialog, u"Show"};
    std::size_t reportsSeen = 99;
    on.beforeReport([&] { reportsSeen = f.reportCalls().size(); });
    on.step([] { throw someFailure(); });
    EXPECT_EQ(reportsSeen, 0u);
    EXPECT_EQ(f.reportCalls().size(), 1u);
}

TEST(Handler, AFailingReportEndsTheMemberWithTheReportsFailure) {
    Fixture f;
    f.sim.unregisterClass(u"ZqPillar10.clsZqfxErrorHandlerA");
    clsZqPickerBFFA bff{f.sim};
    bff.HWndOwner(-7);
    f.sim.failNext("IsWindow", someFailure());
    try {
        bff.HWndOwner(42);
        FAIL() << "the member went on after its report failed";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.info().number, runtime_error::CantCreateObject);
    }
    EXPECT_EQ(bff.HWndOwner(), -7);
}

TEST(Handler, AFailingFrameworkCallAlsoEndsTheMember) {
    Fixture f;
    f.sim.unregisterClass(u"ZqPillar10.clsZqfxErrorHandlerA");
    auto broken = std::make_shared<test::RecordingObject>();
    broken->failCalls = ErrorInfo{static_cast<std::int32_t>(0x80020009), u"ZqPillar10", u"broken"};
    f.sim.registerClass(u"ZqPillar10.clsZqfxErrorHandlerA", [&] { return broken; });
    Handler on{f.sim, class_constant::PrintDialog, u"Copies"};
    EXPECT_THROW(on.step([] { throw someFailure(); }), Failure);
}

TEST(OwnerValidation, AFailingWindowTestIsReportedAndThenRaises) {
    // The test of the owner fails: one report under the property's name, then the raise it guards.
    Fixture f;
    clsZqPickerBFFA bff{f.sim};
    f.sim.failNext("IsWindow", someFailure());
    EXPECT_THROW(bff.HWndOwner(42), Raised);
    auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::get<String>(calls[0].args[3].value), u"czPickerBrowseForFolder.HWndOwner");
    EXPECT_EQ(bff.HWndOwner(), 0);
}

TEST(ErrorSource, IsTheLibraryFileNameWithoutExtensionAndTheClassConstant) {
    Fixture f;
    f.sim.setLibraryPath(u"D:\\apps\\my.lib.dir\\Chooser10.dll");
    Handler on{f.sim, class_constant::PrintDialog, u"HWndOwner"};
    try {
        on.raise(eErrPrintDialog_InvalidWindowHandle, kInvalidWindowHandle);
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().source, u"Chooser10.czPickerPrintDialog");
    }
}

}  // namespace
}  // namespace cz

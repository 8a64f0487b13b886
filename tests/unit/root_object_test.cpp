// The root object: its application object, the resource loads (always not found here, with the
// narrowing of the picture kind before any lookup), the framework's about box, and the per-thread
// shared reference.
#include <gtest/gtest.h>

#include <thread>

#include "fakes.h"
#include "frame/root_object.h"

namespace cz {
namespace {

class RootObject : public ::testing::Test {
protected:
    RootObject() {
        f.sim.setLibraryPath(u"C:\\Program Files\\Chooser10\\Chooser10.dll");
        f.sim.registerClass(u"ZqPillar10.clsZqPillar10A", [this] {
            auto pillar = std::make_shared<test::RecordingObject>();
            pillars.push_back(pillar);
            return pillar;
        });
    }
    ~RootObject() override { clsZqChooser10A{f.sim}.BuddyObjectGlobal(nullptr); }

    test::Fixture f;
    std::vector<std::shared_ptr<test::RecordingObject>> pillars;
};

template <class Call>
ErrorInfo FailureOf(Call&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.info();
    }
    ADD_FAILURE() << "no failure";
    return {};
}

TEST_F(RootObject, TheApplicationObjectIsTheOneTheReportsCarry) {
    clsZqChooser10A root{f.sim};
    Object app = root.GetProStdProperties();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(std::get<String>(app->get(u"Title")), u"Chooser10");
    EXPECT_EQ(std::get<String>(app->get(u"EXEName")), u"Chooser10");
    EXPECT_EQ(std::get<String>(app->get(u"Path")), u"C:\\Program Files\\Chooser10");
    EXPECT_TRUE(std::holds_alternative<std::int32_t>(app->get(u"Major")));
    EXPECT_TRUE(std::holds_alternative<std::int32_t>(app->get(u"Minor")));
    EXPECT_TRUE(f.reports.empty());
}

TEST_F(RootObject, EveryResourceLoadEndsWithTheLoadersNotFoundError) {
    clsZqChooser10A root{f.sim};
    for (std::int32_t id : {1, 101, 0, -1, 65536, 2147483647}) {
        SCOPED_TRACE(id);
        ErrorInfo s = FailureOf([&] { root.GetProResStrings(id); });
        EXPECT_EQ(s.number, static_cast<std::int32_t>(0x800A0146));
        std::string digits = std::to_string(id);
        EXPECT_EQ(s.description, u"Resource with identifier '" + String(digits.begin(), digits.end()) + u"' not found");
        EXPECT_EQ(FailureOf([&] { root.GetProResPicture(id, 0); }).number, runtime_error::ResourceNotFound);
        EXPECT_EQ(FailureOf([&] { root.GetProResData(id, String(u"CUSTOM")); }).number, runtime_error::ResourceNotFound);
    }
    EXPECT_TRUE(f.reports.empty()) << "no handler: nothing is reported";
}

TEST_F(RootObject, TheLoadsPassTheirArgumentsUnchangedAndReturnWhatTheLoaderFound) {
    f.sim.resourceStrings[7] = u"seven";
    f.sim.resourceData[8] = {1, 0, 2};
    auto picture = std::make_shared<test::RecordingObject>();
    f.sim.resourcePictures[{9, 1}] = picture;
    clsZqChooser10A root{f.sim};
    EXPECT_EQ(root.GetProResStrings(7), u"seven");
    EXPECT_EQ(root.GetProResData(8, std::int32_t{10}), (std::vector<std::uint8_t>{1, 0, 2}));
    EXPECT_EQ(root.GetProResPicture(9, 1), picture);
    ASSERT_EQ(f.sim.resourceLoads.size(), 3u);
    EXPECT_EQ(f.sim.resourceLoads[1].what, "data");
    EXPECT_EQ(std::get<std::int32_t>(f.sim.resourceLoads[1].type), 10);
    EXPECT_EQ(f.sim.resourceLoads[2].kind, 1);
}

TEST_F(RootObject, APictureKindOutsideSixteenBitsOverflowsBeforeAnyLookup) {
    clsZqChooser10A root{f.sim};
    for (std::int32_t kind : {32768, -32769, 2147483647}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(FailureOf([&] { root.GetProResPicture(1, kind); }).number, runtime_error::Overflow);
    }
    EXPECT_EQ(f.sim.count("LoadResPicture"), 0);
    for (std::int32_t kind : {32767, -32768}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(FailureOf([&] { root.GetProResPicture(1, kind); }).number, runtime_error::ResourceNotFound);
        EXPECT_EQ(f.sim.resourceLoads.back().kind, static_cast<std::int16_t>(kind)) << "reached the loader";
    }
}

TEST_F(RootObject, AboutShowsTheFrameworksAboutBoxForTheApplicationObjectAndReturnsZero) {
    clsZqChooser10A root{f.sim};
    EXPECT_EQ(root.About(), 0);
    ASSERT_EQ(pillars.size(), 1u);
    ASSERT_EQ(pillars[0]->calls.size(), 1u);
    EXPECT_EQ(pillars[0]->calls[0].name, u"AppAboutZqfx");
    ASSERT_EQ(pillars[0]->calls[0].args.size(), 1u);
    const Object& app = std::get<Object>(pillars[0]->calls[0].args[0].value);
    EXPECT_EQ(std::get<String>(app->get(u"Title")), u"Chooser10");

    // A failing about box is reported by the framework call (its creation, then the call on Nothing)
    // and About still returns 0.
    f.sim.unregisterClass(u"ZqPillar10.clsZqPillar10A");
    EXPECT_EQ(root.About(), 0);
    ASSERT_EQ(f.reportCalls().size(), 2u);
    for (const auto& report : f.reportCalls())
        EXPECT_EQ(std::get<String>(report.args[3].value), u"basZqfxCommonA.AppAboutZqfx_Pro");

    // ... and a failing report reaches the client as About's error.
    f.sim.unregisterClass(u"ZqPillar10.clsZqfxErrorHandlerA");
    EXPECT_EQ(FailureOf([&] { root.About(); }).number, runtime_error::CantCreateObject);
}

TEST_F(RootObject, BuddyObjectGlobalIsSharedByTheRootObjectsOfAThreadAndOnlyThere) {
    auto buddy = std::make_shared<test::RecordingObject>();
    {
        clsZqChooser10A fresh{f.sim};
        Object seen = buddy;
        std::thread([&] { seen = clsZqChooser10A{f.sim}.BuddyObjectGlobal(); }).join();
        EXPECT_EQ(seen, nullptr) << "Nothing on a new thread";
    }
    {
        clsZqChooser10A first{f.sim};
        first.BuddyObjectGlobal(buddy);
        EXPECT_EQ(first.BuddyObjectGlobal(), buddy);
    }
    clsZqChooser10A second{f.sim};
    EXPECT_EQ(second.BuddyObjectGlobal(), buddy) << "after the first root object went";
    EXPECT_EQ(buddy.use_count(), 2) << "one reference for the thread, besides the test's";

    Object onOtherThread = buddy;
    std::thread([&] { onOtherThread = clsZqChooser10A{f.sim}.BuddyObjectGlobal(); }).join();
    EXPECT_EQ(onOtherThread, nullptr) << "another thread sees its own";

    auto replacement = std::make_shared<test::RecordingObject>();
    second.BuddyObjectGlobal(replacement);
    EXPECT_EQ(buddy.use_count(), 1) << "the old reference is released";
    EXPECT_EQ(second.BuddyObjectGlobal(), replacement);
    second.BuddyObjectGlobal(nullptr);
    EXPECT_EQ(replacement.use_count(), 1) << "Nothing releases it";
    EXPECT_EQ(second.BuddyObjectGlobal(), nullptr);
}

}  // namespace
}  // namespace cz

// The file-properties class: the shell request ShowProperties fills, field by field; the shell's result
// handed back as it left it; a returned process handle closed once; the swap in DisplayFileProperties;
// the about box with and without an icon; failures reaching the caller unchanged.
#include <gtest/gtest.h>

#include "fakes.h"
#include "shell/file_properties.h"

namespace cz {
namespace {

class FileProperties : public ::testing::Test {
protected:
    const ShellExecuteInfoRecord& lastRequest() { return f.sim.shellRequests.back(); }
    test::Fixture f;
};

TEST_F(FileProperties, ShowPropertiesFillsEveryFieldOfTheRequest) {
    clsZqPickerFilePpsA pps{f.sim};
    pps.ShowProperties(u"C:\\data\\r\u00e9sum\u00e9.txt", 0x30001);
    ASSERT_EQ(f.sim.shellRequests.size(), 1u);
    const ShellExecuteInfoRecord& rec = lastRequest();
    EXPECT_EQ(rec.cbSize, 60u);
    EXPECT_EQ(rec.fMask, 0x44Cu) << "SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI";
    EXPECT_EQ(rec.hwnd, 0x30001);
    EXPECT_EQ(rec.lpVerb, String(u"properties"));
    EXPECT_EQ(rec.lpFile, String(u"C:\\data\\r\u00e9sum\u00e9.txt"));
    ASSERT_TRUE(rec.lpParameters.has_value()) << "an empty string, not a null pointer";
    EXPECT_TRUE(rec.lpParameters->empty());
    ASSERT_TRUE(rec.lpDirectory.has_value()) << "an empty string, not a null pointer";
    EXPECT_TRUE(rec.lpDirectory->empty());
    EXPECT_EQ(rec.nShow, 0);
    EXPECT_EQ(rec.hInstApp, 0);
    EXPECT_EQ(rec.lpIDList, 0u);
    EXPECT_FALSE(rec.lpClass.has_value()) << "a null pointer";
    EXPECT_EQ(rec.hkeyClass, 0u);
    EXPECT_EQ(rec.dwHotKey, 0u);
    EXPECT_EQ(rec.hIcon, 0);
    EXPECT_EQ(rec.hProcess, 0u);
    EXPECT_EQ(f.sim.count("IsWindow"), 0) << "the owner is handed over untested";
    EXPECT_TRUE(f.reports.empty());
}

TEST_F(FileProperties, AnEmptyFileNameAndAnyOwnerGoToTheShellAsGiven) {
    clsZqPickerFilePpsA pps{f.sim};
    pps.ShowProperties(u"", -5);
    ASSERT_TRUE(lastRequest().lpFile.has_value());
    EXPECT_TRUE(lastRequest().lpFile->empty());
    EXPECT_EQ(lastRequest().hwnd, -5);
}

TEST_F(FileProperties, TheResultIsTheShellsHInstAppWhateverItReturned) {
    struct Case {
        bool returned;
        std::int32_t hInstApp;
    };
    for (Case c : {Case{true, 42}, Case{true, 33}, Case{false, 2}, Case{false, 31}, Case{false, 0}, Case{true, 5}}) {
        SCOPED_TRACE(c.hInstApp);
        f.sim.shellUser = [c](ShellExecuteInfoRecord& rec) {
            rec.hInstApp = c.hInstApp;
            return c.returned;
        };
        clsZqPickerFilePpsA pps{f.sim};
        EXPECT_EQ(pps.ShowProperties(u"C:\\a.txt", 0), c.hInstApp);
    }
}

TEST_F(FileProperties, AProcessHandleTheShellReturnsIsClosedOnceAtOnce) {
    std::uintptr_t process = f.sim.addProcessHandle();
    f.sim.shellUser = [&](ShellExecuteInfoRecord& rec) {
        rec.hInstApp = 42;
        rec.hProcess = process;
        return true;
    };
    clsZqPickerFilePpsA pps{f.sim};
    EXPECT_EQ(pps.ShowProperties(u"C:\\a.txt", 0), 42);
    EXPECT_EQ(f.sim.handleCloses[process], 1);
    EXPECT_EQ(f.sim.liveHandles(), 0u);

    // No process: nothing to close.
    f.sim.shellUser = nullptr;
    f.sim.clearCalls();
    pps.ShowProperties(u"C:\\a.txt", 0);
    EXPECT_EQ(f.sim.count("CloseHandle"), 0);
}

TEST_F(FileProperties, AFailingShellCallReachesTheCallerUnchangedAndUnreported) {
    f.sim.failNext("ShellExecuteExA", test::someFailure(runtime_error::TypeMismatch));
    clsZqPickerFilePpsA pps{f.sim};
    try {
        pps.ShowProperties(u"C:\\a.txt", 0);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.info().number, runtime_error::TypeMismatch);
    }
    EXPECT_TRUE(f.reports.empty()) << "the class has no handler";
}

// Records what DisplayFileProperties hands to the public ShowProperties.
class Spy : public clsZqPickerFilePpsA {
public:
    using clsZqPickerFilePpsA::clsZqPickerFilePpsA;
    std::int32_t ShowProperties(const String& FileName, std::int32_t OwnerhWnd) override {
        files.push_back(FileName);
        owners.push_back(OwnerhWnd);
        return clsZqPickerFilePpsA::ShowProperties(FileName, OwnerhWnd);
    }
    std::vector<String> files;
    std::vector<std::int32_t> owners;
};

TEST_F(FileProperties, DisplayFilePropertiesGoesThroughShowPropertiesWithItsArgumentsSwapped) {
    Spy pps{f.sim};
    f.sim.shellUser = [](ShellExecuteInfoRecord& rec) {
        rec.hInstApp = 2;  // file not found: not a failure
        return false;
    };
    pps.DisplayFileProperties(0x30002, u"C:\\missing.txt");
    ASSERT_EQ(pps.files.size(), 1u);
    EXPECT_EQ(pps.files[0], u"C:\\missing.txt");
    EXPECT_EQ(pps.owners[0], 0x30002);
    EXPECT_EQ(lastRequest().hwnd, 0x30002);
    EXPECT_EQ(lastRequest().lpFile, String(u"C:\\missing.txt"));

    f.sim.failNext("ShellExecuteExA", test::someFailure());
    EXPECT_THROW(pps.DisplayFileProperties(0, u"C:\\a.txt"), Failure) << "ShowProperties' failure ends it";
}

TEST_F(FileProperties, ShowAboutPassesTheTextsInTheAnsiCodePageAndTheIconAndReturnsEmpty) {
    clsZqPickerFilePpsA pps{f.sim};
    f.sim.shellAboutResult = 0;
    Variant r = pps.ShowAbout(0x30003, u"Caf\u00e9 \u4e2d", u"Line 1\r\nLine 2", 0x5000);
    EXPECT_TRUE(std::holds_alternative<Empty>(r)) << "Empty whatever the shell returned";
    ASSERT_EQ(f.sim.shellAbouts.size(), 1u);
    EXPECT_EQ(f.sim.shellAbouts[0].hwnd, 0x30003);
    EXPECT_EQ(f.sim.shellAbouts[0].app, "Caf\xe9 ?");
    EXPECT_EQ(f.sim.shellAbouts[0].otherStuff, "Line 1\r\nLine 2");
    EXPECT_EQ(f.sim.shellAbouts[0].hIcon, 0x5000);

    f.sim.shellAboutResult = 1;
    r = pps.ShowAbout(0, u"App", u"");
    EXPECT_TRUE(std::holds_alternative<Empty>(r));
    EXPECT_EQ(f.sim.shellAbouts[1].hIcon, 0) << "no icon when omitted";
    EXPECT_EQ(f.sim.count("IsWindow"), 0);

    f.sim.failNext("ShellAboutA", test::someFailure());
    EXPECT_THROW(pps.ShowAbout(0, u"App", u"Text"), Failure);
    EXPECT_TRUE(f.reports.empty());
}

}  // namespace
}  // namespace cz

// The folder browser: the shell record, the initial-path block, the item list, and the callback.
#include <gtest/gtest.h>

#include "fakes.h"
#include "folder/bff.h"
#include "folder/folder_callback.h"
#include "frame/errors.h"
#include "frame/hook_state.h"

namespace cz {
namespace {

class FolderBrowser : public ::testing::Test {
protected:
    void SetUp() override { hookState() = HookState{}; }
    // The user picks this item after highlighting it.
    void userPicks(std::uintptr_t item) {
        f.sim.folderUser = [item](BrowseInfoRecord& rec, WindowHandle dialog) {
            rec.lpfn(dialog, msg::BrowseSelectionChanged, static_cast<std::intptr_t>(item), rec.lParam);
            return item;
        };
    }
    void expectEverythingFreedOnce() {
        EXPECT_EQ(f.sim.liveLocalBlocks(), 0u);
        for (auto [block, n] : f.sim.localFrees) EXPECT_EQ(n, 1) << "block freed " << n << " times";
        for (auto [list, n] : f.sim.itemListFrees) EXPECT_EQ(n, 1) << "item list freed " << n << " times";
    }
    test::Fixture f;
};

TEST_F(FolderBrowser, TheRecordCarriesTheObjectsValues) {
    f.sim.addWindow(0x30003);
    clsZqPickerBFFA bff{f.sim};
    bff.HWndOwner(0x30003);
    bff.DialogTitle(u"Pick a folder \u00e9");
    bff.Flags(eBrowseForFolderFlag_UseNewUI);
    EXPECT_EQ(bff.Browse(), False);
    const auto& rec = f.sim.folderDialogs.at(0).record;
    EXPECT_EQ(rec.hwndOwner, 0x30003);
    EXPECT_EQ(rec.pidlRoot, 0u);
    EXPECT_EQ(rec.pszDisplayName, String(512, u'\0'));
    EXPECT_EQ(rec.lpszTitle, u"Pick a folder \u00e9");
    EXPECT_EQ(rec.ulFlags, 64u) << "UseNewUI is the new-style bit alone";
    EXPECT_EQ(rec.lpfn, &FolderBrowserCallbackProc);
    EXPECT_EQ(rec.lParam, 0) << "no initial path, no block";
    EXPECT_EQ(rec.iImage, 0);
    EXPECT_EQ(f.sim.count("LocalAlloc"), 0);
    EXPECT_TRUE(f.sim.sentMessages.empty()) << "no preselection without a path";
}

TEST_F(FolderBrowser, TheInitialPathTravelsInAZeroFilledAnsiBlockFreedOnce) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\Caf\u00e9");
    std::string seenAtInit;
    f.sim.folderUser = [&](BrowseInfoRecord& rec, WindowHandle) {
        seenAtInit = reinterpret_cast<const char*>(rec.lParam);
        return std::uintptr_t{0};
    };
    bff.Browse();
    ASSERT_EQ(f.sim.localBlockSizes.size(), 1u);
    EXPECT_EQ(f.sim.localBlockSizes[0], 8u) << "the ANSI path plus one zero byte";
    EXPECT_EQ(seenAtInit, "C:\\Caf\xe9");
    ASSERT_EQ(f.sim.sentMessages.size(), 1u);
    const auto& select = f.sim.sentMessages[0];
    EXPECT_EQ(select.message, msg::BrowseSetSelection);
    EXPECT_EQ(select.wParam, static_cast<std::uintptr_t>(-1));
    EXPECT_EQ(select.lParam, f.sim.folderDialogs[0].record.lParam);
    EXPECT_EQ(select.text, "C:\\Caf\xe9");
    expectEverythingFreedOnce();
    EXPECT_EQ(f.sim.localFrees.size(), 1u);
}

TEST_F(FolderBrowser, InitialPathReadsBackExactlyAsSetAfterManyBrowses) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\windows");
    for (int i = 0; i < 3; ++i) bff.Browse();
    EXPECT_EQ(bff.InitialPath(), u"C:\\windows");
}

TEST_F(FolderBrowser, ConfirmingAFolderGivesItsPathWithoutTrailingZeros) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\a");
    auto item = f.sim.addItem("C:\\windows\\system32");
    userPicks(item);
    EXPECT_EQ(bff.Browse(), True);
    EXPECT_EQ(bff.SelectedPath(), u"C:\\windows\\system32");
    EXPECT_EQ(f.sim.itemListFrees[item], 1);
    expectEverythingFreedOnce();
    // The highlighted folder's path went to the status line.
    ASSERT_EQ(f.sim.sentMessages.size(), 2u);
    EXPECT_EQ(f.sim.sentMessages[1].message, msg::BrowseSetStatusText);
    EXPECT_EQ(f.sim.sentMessages[1].wParam, 0u);
    EXPECT_EQ(f.sim.sentMessages[1].text, "C:\\windows\\system32");
}

TEST_F(FolderBrowser, CancelKeepsTheLastPath) {
    clsZqPickerBFFA bff{f.sim};
    userPicks(f.sim.addItem("C:\\first"));
    bff.Browse();
    f.sim.folderUser = nullptr;
    EXPECT_EQ(bff.Browse(), False);
    EXPECT_EQ(bff.SelectedPath(), u"C:\\first");
}

TEST_F(FolderBrowser, AnItemWithoutAPathRaisesAfterReleasingEverything) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\start");
    userPicks(f.sim.addItem("C:\\before"));
    bff.Browse();
    auto virtualItem = f.sim.addItem(std::nullopt);
    userPicks(virtualItem);
    f.sim.clearCalls();
    try {
        bff.Browse();
        FAIL() << "no error";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, -2147204443);
        EXPECT_EQ(r.info().source, u"Chooser10.czPickerBrowseForFolder");
        EXPECT_EQ(r.info().description, u"Could not get the path of the selected folder");
    }
    EXPECT_EQ(bff.SelectedPath(), u"C:\\before");
    EXPECT_EQ(f.sim.itemListFrees[virtualItem], 1);
    expectEverythingFreedOnce();
    // The list goes back before the block, and both before the error leaves.
    auto& calls = f.sim.calls();
    auto listFreed = std::find(calls.begin(), calls.end(), "CoTaskMemFree");
    auto blockFreed = std::find(calls.begin(), calls.end(), "LocalFree");
    EXPECT_LT(listFreed, blockFreed);
    EXPECT_TRUE(f.reportCalls().empty()) << "a raised code is not reported";
    // The highlighted virtual item cleared the status line.
    EXPECT_EQ(f.sim.sentMessages.back().message, msg::BrowseSetStatusText);
    EXPECT_EQ(f.sim.sentMessages.back().text, "");
}

TEST_F(FolderBrowser, AFailedAllocationOpensWithoutPreselection) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\start");
    f.sim.allocationsFail = true;
    EXPECT_EQ(bff.Browse(), False);
    EXPECT_EQ(f.sim.folderDialogs[0].record.lParam, 0);
    EXPECT_EQ(f.sim.count("LocalFree"), 0);
    EXPECT_TRUE(f.sim.sentMessages.empty());
    EXPECT_TRUE(f.reportCalls().empty()) << "a refused allocation is not a failure";
}

TEST_F(FolderBrowser, FailingStepsAreReportedUnderBrowseAndEverythingIsStillFreed) {
    clsZqPickerBFFA bff{f.sim};
    bff.InitialPath(u"C:\\start");
    f.sim.failNext("RtlMoveMemory", test::someFailure());
    f.sim.failNext("SHBrowseForFolderA", test::someFailure());
    EXPECT_EQ(bff.Browse(), False);
    auto calls = f.reportCalls();
    ASSERT_EQ(calls.size(), 2u);
    for (auto& c : calls) EXPECT_EQ(std::get<String>(c.args[3].value), u"czPickerBrowseForFolder.Browse");
    expectEverythingFreedOnce();
    EXPECT_EQ(f.sim.localFrees.size(), 1u);
}

TEST_F(FolderBrowser, InitStoresInOrderAndDefaultsDifferFromCreation) {
    clsZqPickerBFFA bff{f.sim};
    bff.Init(u"", 0, u"", 1);  // what a caller omitting everything gets
    EXPECT_EQ(bff.Flags(), 1);
    try {
        bff.Init(u"C:\\x", 555, u"title", 64);
        FAIL() << "no error";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, eErrBrowseForFolder_InvalidWindowHandle);
    }
    EXPECT_EQ(bff.InitialPath(), u"C:\\x");
    EXPECT_EQ(bff.DialogTitle(), u"title");
    EXPECT_EQ(bff.HWndOwner(), 0);
    EXPECT_EQ(bff.Flags(), 1);
}

TEST_F(FolderBrowser, TheCallbackIgnoresOtherMessagesAndNeverReports) {
    hookState().platform = &f.sim;
    EXPECT_EQ(FolderBrowserCallbackProc(0x40001, 3, 0, 0x1234), 0);
    EXPECT_EQ(FolderBrowserCallbackProc(0x40001, msg::BrowseInitialized, 0, 0), 0) << "no block: no selection";
    EXPECT_TRUE(f.sim.calls().empty());
    f.sim.failNext("SHGetPathFromIDListA", test::someFailure());
    EXPECT_EQ(FolderBrowserCallbackProc(0x40001, msg::BrowseSelectionChanged, 0x77, 0), 0);
    ASSERT_EQ(f.sim.sentMessages.size(), 1u);
    EXPECT_EQ(f.sim.sentMessages[0].text, "") << "a failed lookup still clears the status line";
    EXPECT_TRUE(f.reportCalls().empty());
    hookState().platform = nullptr;
}

}  // namespace
}  // namespace cz

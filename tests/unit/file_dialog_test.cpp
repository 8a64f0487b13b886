// The file dialog: creation defaults and Init, the record Show fills, the hook it installs and the flag
// it keeps, the hook state it publishes (and in which order), the results it takes from the returned
// buffers, the walk over a multiple selection, and what a cancel or a failure leaves.
#include <gtest/gtest.h>

#include "fakes.h"
#include "file/explorer_hook.h"
#include "file/file_dialog.h"
#include "frame/errors.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"
#include "frame/long_value.h"
#include "frame/preview_registration.h"

namespace cz {
namespace {

using namespace std::string_literals;

constexpr std::int32_t kDefaultFlags = 2621440;
constexpr std::int32_t kMultiselect = eFileOpenSaveFlag_AllowMultiselect;

// A client object whose reads can run a check at the moment they happen.
class WatchedObject : public test::RecordingObject {
public:
    Variant get(std::u16string_view name) override {
        if (onGet) onGet(name);
        return RecordingObject::get(name);
    }
    std::function<void(std::u16string_view)> onGet;
};

// A preview object whose "hwnd" names `window` and whose "Parent" has the window `parentWindow`.
std::shared_ptr<WatchedObject> PreviewWithWindows(std::int32_t window, std::int32_t parentWindow) {
    auto parent = std::make_shared<test::RecordingObject>();
    parent->properties[u"hwnd"] = parentWindow;
    auto preview = std::make_shared<WatchedObject>();
    preview->properties[u"hwnd"] = window;
    preview->properties[u"Parent"] = Object(parent);
    return preview;
}

class FileDialog : public ::testing::Test {
protected:
    void SetUp() override { hookState() = HookState{}; }
    void TearDown() override { hookState() = HookState{}; }

    // An object whose self reference is `self`.
    clsZqPickerFileOpenSaveA make() {
        return clsZqPickerFileOpenSaveA{f.sim, [this] { return self; }};
    }
    // The user confirms with the file buffer starting with `file` and the title buffer with `title`.
    void userReturns(String file, String title = u"") {
        f.sim.fileUser = [file, title](OpenFileNameRecord& rec, WindowHandle) {
            return sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, file) &&
                   sim::SimPlatform::writeResult(rec.lpstrFileTitle, rec.nMaxFileTitle, title);
        };
    }
    const OpenFileNameRecord& lastRecord() { return f.sim.fileDialogs.back().record; }
    std::vector<String> reportedNames() {
        std::vector<String> names;
        for (const auto& call : f.reportCalls()) names.push_back(std::get<String>(call.args[3].value));
        return names;
    }

    test::Fixture f;
    Object self = std::make_shared<test::RecordingObject>();
};

TEST_F(FileDialog, ANewObjectHasItsDefaultsAndFillsTheRecordFromThem) {
    clsZqPickerFileOpenSaveA file = make();
    EXPECT_EQ(file.Flags(), kDefaultFlags);
    EXPECT_EQ(file.DefaultFilter(), 1);
    EXPECT_EQ(file.MaxFileSize(), 1024);
    EXPECT_EQ(file.FileCount(), 0);
    EXPECT_EQ(file.CenterDialog(), False);
    EXPECT_EQ(file.ShowPreview(), False);
    EXPECT_EQ(file.hInst(), 0);
    for (const String& s : {file.DefaultExt(), file.DialogTitle(), file.FileName(), file.FileTitle(), file.Filter(),
                            file.InitialDir(), file.SelectedPath()})
        EXPECT_EQ(s, u"");
    EXPECT_EQ(file.FileNames(), std::vector<String>{u""});
    EXPECT_EQ(file.GetNextFileName(1), u"");

    file.hInst(0x400000);
    EXPECT_EQ(file.Show(eDialogType_OpenFile), False);
    ASSERT_EQ(f.sim.fileDialogs.size(), 1u);
    const OpenFileNameRecord& rec = lastRecord();
    EXPECT_EQ(rec.lStructSize, 76u);
    EXPECT_EQ(rec.hwndOwner, 0);
    EXPECT_EQ(rec.hInstance, 0) << "hInst is the client's value; the record never takes it";
    EXPECT_EQ(rec.lpstrFilter, String(2, u'\0'));
    EXPECT_EQ(rec.lpstrCustomFilter, u"");
    EXPECT_EQ(rec.nMaxCustFilter, 0u);
    EXPECT_EQ(rec.nFilterIndex, 1u);
    EXPECT_EQ(rec.lpstrFile, String(65536, u'\0')) << "empty, or the dialog shows its start as the file name";
    EXPECT_EQ(rec.nMaxFile, 65536u) << "the buffer's size";
    EXPECT_EQ(rec.lpstrFileTitle, String(1024, u'\0'));
    EXPECT_EQ(rec.nMaxFileTitle, 255u);
    EXPECT_EQ(rec.lpstrInitialDir, u"");
    EXPECT_EQ(rec.lpstrTitle, u"");
    EXPECT_EQ(rec.Flags, static_cast<std::uint32_t>(kDefaultFlags));
    EXPECT_EQ(rec.nFileOffset, 0);
    EXPECT_EQ(rec.nFileExtension, 0);
    EXPECT_EQ(rec.lpstrDefExt, u"");
    EXPECT_EQ(rec.lCustData, 0);
    EXPECT_EQ(rec.lpfnHook, nullptr) << "no hook without the enable bit";
    EXPECT_EQ(rec.lpTemplateName, u"");
    EXPECT_FALSE(f.sim.fileDialogs[0].save);
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, InitSetsNinePropertiesAndTheRecordCarriesThem) {
    f.sim.addWindow(0x30001);
    clsZqPickerFileOpenSaveA file = make();
    file.FileTitle(u"seed.txt");
    file.DefaultExt(u"txt");
    file.Init(u"Text files|*.txt|All files|*.*", -2, u"C:\\Data", u"C:\\ignored.txt", u"Pick one", 0x30001,
              eFileOpenSaveFlag_HideReadOnly | eFileOpenSaveFlag_FileMustExist, True, nullptr);
    EXPECT_EQ(file.Filter(), u"Text files|*.txt|All files|*.*");
    EXPECT_EQ(file.DefaultFilter(), -2);
    EXPECT_EQ(file.InitialDir(), u"C:\\Data");
    EXPECT_EQ(file.FileName(), u"C:\\ignored.txt");
    EXPECT_EQ(file.DialogTitle(), u"Pick one");
    EXPECT_EQ(file.HWndOwner(), 0x30001);
    EXPECT_EQ(file.Flags(), 0x1004);
    EXPECT_EQ(file.ShowPreview(), True);
    EXPECT_EQ(hookState().PreviewEnabled, True);
    EXPECT_EQ(hookState().PreviewSender, self);

    file.Show(eDialogType_SaveFile);
    const OpenFileNameRecord& rec = lastRecord();
    EXPECT_TRUE(f.sim.fileDialogs[0].save);
    EXPECT_EQ(rec.hwndOwner, 0x30001);
    EXPECT_EQ(rec.lpstrFilter, u"Text files\0*.txt\0All files\0*.*\0\0"s);
    EXPECT_EQ(rec.nFilterIndex, 0xFFFFFFFEu) << "widened with its sign";
    EXPECT_EQ(rec.lpstrFile, String(65536, u'\0')) << "the client's FileName is not offered";
    EXPECT_EQ(rec.lpstrFileTitle.substr(0, 9), u"seed.txt\0"s);
    EXPECT_EQ(rec.lpstrFileTitle.size(), 1024u);
    EXPECT_EQ(rec.lpstrInitialDir, u"C:\\Data");
    EXPECT_EQ(rec.lpstrTitle, u"Pick one");
    EXPECT_EQ(rec.lpstrDefExt, u"txt");
    EXPECT_EQ(rec.Flags, 0x1004u);

    // Only the filter is required: everything else goes back to the declared defaults.
    file.Init(u"", 1, u"", u"", u"", 0, kDefaultFlags, False, nullptr);
    EXPECT_EQ(file.HWndOwner(), 0);
    EXPECT_EQ(file.Flags(), kDefaultFlags);
    EXPECT_EQ(file.ShowPreview(), False);
    EXPECT_EQ(hookState().PreviewEnabled, False);
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, FilterBuffersTurnEachBarIntoANulAndEndWithTwoMore) {
    struct Case {
        String filter;
        String buffer;
    };
    for (const Case& c : {Case{u"Images|*.bmp;*.gif", u"Images\0*.bmp;*.gif\0\0"s}, Case{u"", u"\0\0"s},
                          Case{u"Text|*.txt|", u"Text\0*.txt\0\0\0"s}, Case{u"||", u"\0\0\0\0"s}}) {
        clsZqPickerFileOpenSaveA file = make();
        file.Filter(c.filter);
        file.Show(eDialogType_OpenFile);
        EXPECT_EQ(lastRecord().lpstrFilter, c.buffer) << std::string(c.filter.begin(), c.filter.end());
    }
}

TEST_F(FileDialog, TheHookFollowsEnableHookAndExplorerAndCentringAddsTheBitForGood) {
    struct Case {
        std::int32_t flags;
        Bool centre;
        CommonDialogHook hook;
        std::int32_t flagsAfter;
    };
    const Case cases[] = {
        {kDefaultFlags, False, nullptr, kDefaultFlags},
        {kDefaultFlags, True, &FileExplorerHookProc, kDefaultFlags | 32},
        {kDefaultFlags | 32, False, &FileExplorerHookProc, kDefaultFlags | 32},
        {32, False, &FileHookProc, 32},
        {0, True, &FileHookProc, 32},
        {0, False, nullptr, 0},
        {eFileOpenSaveFlag_Explorer, False, nullptr, eFileOpenSaveFlag_Explorer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " centre " << c.centre);
        clsZqPickerFileOpenSaveA file = make();
        file.Flags(c.flags);
        file.CenterDialog(c.centre);
        EXPECT_EQ(file.Show(eDialogType_OpenFile), False);
        EXPECT_EQ(lastRecord().lpfnHook, c.hook);
        EXPECT_EQ(lastRecord().Flags, static_cast<std::uint32_t>(c.flagsAfter));
        EXPECT_EQ(file.Flags(), c.flagsAfter) << "kept after a cancel";
        EXPECT_EQ(hookState().FileCenterDialog, c.centre);
        file.CenterDialog(False);
        file.Show(eDialogType_SaveFile);
        EXPECT_EQ(file.Flags(), c.flagsAfter) << "the bit is never taken away";
    }
}

TEST_F(FileDialog, TheHooksCentreTheExplorerDialogWhenAskedAndTheOldStyleOneAlways) {
    f.sim.setDesktopRect({0, 0, 1024, 768});
    f.sim.nextDialogRect = {7, 9, 7 + 1101, 9 + 401};
    clsZqPickerFileOpenSaveA file = make();
    file.CenterDialog(True);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(f.sim.fileDialogs[0].shown.rect, (Rect{-38, 184, -38 + 1101, 184 + 401}))
        << "the parent of the hook's window, signed half difference, -38.5 to even";

    file.CenterDialog(False);
    file.Flags(kDefaultFlags | 32);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(f.sim.fileDialogs[1].shown.rect, f.sim.nextDialogRect) << "explorer style, centring not asked";

    file.Flags(32);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(f.sim.fileDialogs[2].shown.rect, (Rect{-38, 184, -38 + 1101, 184 + 401})) << "old style";
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, TheExplorerHookIgnoresOtherMessagesAWindowOfZeroAndFailures) {
    HookPlatformScope hooks{f.sim};
    hookState().FileCenterDialog = True;
    f.sim.addWindow(0x50001, {1, 2, 101, 202});
    f.sim.addWindow(0x50002, {}, 0x50001);
    EXPECT_EQ(FileExplorerHookProc(0, msg::InitDialog, 0, 0), 0u);
    EXPECT_EQ(FileExplorerHookProc(0x50002, 0x111, 0, 0), 0u);
    EXPECT_EQ(f.sim.count("MoveWindow"), 0);
    f.sim.failNext("GetParent", test::someFailure());
    EXPECT_EQ(FileExplorerHookProc(0x50002, msg::InitDialog, 0, 0), 0u);
    EXPECT_EQ(f.sim.window(0x50001)->rect, (Rect{1, 2, 101, 202})) << "no parent, nothing to move";
    f.sim.failNext("GetWindowRect", test::someFailure(), 2);
    EXPECT_EQ(FileExplorerHookProc(0x50002, msg::InitDialog, 0, 0), 0u);
    EXPECT_EQ(f.sim.window(0x50001)->rect, (Rect{0, 0, 0, 0})) << "zero rectangles, moved as computed";
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, AnUnknownDialogTypeOpensNothingButStillPublishesTheHookState) {
    f.sim.addWindow(0x60001);
    auto preview = PreviewWithWindows(0x60001, 0x60002);
    clsZqPickerFileOpenSaveA file = make();
    file.CenterDialog(True);
    file.ShowPreview(True);
    file.PreviewObject(preview);
    hookState() = HookState{};
    EXPECT_EQ(file.Show(2), False);
    EXPECT_EQ(file.Show(-1), False);
    EXPECT_TRUE(f.sim.fileDialogs.empty());
    EXPECT_EQ(f.sim.count("GetOpenFileNameA") + f.sim.count("GetSaveFileNameA"), 0);
    EXPECT_EQ(hookState().PreviewSender, self);
    EXPECT_EQ(hookState().PreviewEnabled, True);
    EXPECT_EQ(hookState().FileCenterDialog, True);
    EXPECT_EQ(hookState().PreviewHost, Object(preview));
    EXPECT_EQ(hookState().PreviewHostParent, 0x60002);
    EXPECT_EQ(file.Flags(), kDefaultFlags | 32);
}

TEST_F(FileDialog, HookStateIsPublishedSenderEnabledCentreThenHost) {
    f.sim.addWindow(0x60001);
    auto preview = PreviewWithWindows(0x60001, 0x60002);
    std::vector<std::string> seen;
    bool windowRead = false;
    preview->onGet = [&](std::u16string_view name) {
        if (name != u"hwnd" || windowRead) return;
        windowRead = true;
        // Step 8 reads the window only after the first three are published, and the host comes last.
        seen.push_back(hookState().PreviewSender == self ? "sender" : "no sender");
        seen.push_back(hookState().PreviewEnabled == True ? "enabled" : "not enabled");
        seen.push_back(hookState().FileCenterDialog == True ? "centre" : "no centre");
        seen.push_back(hookState().PreviewHost ? "host" : "no host");
    };
    clsZqPickerFileOpenSaveA file{f.sim, [&] {
        seen.push_back(hookState().PreviewEnabled == True ? "enabled before sender" : "sender first");
        return self;
    }};
    file.ShowPreview(True);
    hookState().PreviewEnabled = False;
    file.CenterDialog(True);
    file.PreviewObject(preview);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(seen, (std::vector<std::string>{"sender first", "sender", "enabled", "centre", "no host"}));
    EXPECT_EQ(hookState().PreviewHost, Object(preview));
}

TEST_F(FileDialog, APreviewObjectWithoutAWindowLeavesTheRegisteredHost) {
    auto registered = PreviewWithWindows(0x70001, 0x70002);
    auto windowless = PreviewWithWindows(0x7FFFF, 0x70004);  // no such window
    clsZqPickerFileOpenSaveA file = make();
    file.Init(u"", 1, u"", u"", u"", 0, kDefaultFlags, True, registered);
    EXPECT_EQ(hookState().PreviewHost, Object(registered)) << "Init registers its argument";
    EXPECT_EQ(hookState().PreviewHostParent, 0x70002);
    file.PreviewObject(windowless);
    EXPECT_EQ(hookState().PreviewHost, Object(registered)) << "the put does not touch the hook state";
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(hookState().PreviewHost, Object(registered));
    EXPECT_EQ(hookState().PreviewHostParent, 0x70002);
    file.PreviewObject(nullptr);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(hookState().PreviewHost, Object(registered));
    file.Init(u"", 1, u"", u"", u"", 0, kDefaultFlags, False, nullptr);
    EXPECT_EQ(hookState().PreviewHost, nullptr) << "Init with no preview object clears it";
    EXPECT_EQ(hookState().PreviewHostParent, 0x70002) << "the parent window stays";
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, AFailingWindowReadInShowIsReportedAndTheHostStillRegistered) {
    auto preview = std::make_shared<test::RecordingObject>();  // neither "hwnd" nor "Parent"
    clsZqPickerFileOpenSaveA file = make();
    file.PreviewObject(preview);
    EXPECT_EQ(file.Show(eDialogType_OpenFile), False);
    EXPECT_EQ(hookState().PreviewHost, Object(preview)) << "stored before its Parent was read";
    EXPECT_EQ(reportedNames(), (std::vector<String>{u"clsPickerFileOpenSaveA.Show", u"clsPickerFileOpenSaveA.Show"}))
        << "the hwnd read in the condition, then the Parent read inside SetPreviewHost";
    EXPECT_EQ(f.sim.fileDialogs.size(), 1u) << "and the dialog still opens";
}

TEST_F(FileDialog, SetPreviewHostReadsParentThenItsWindowAndTheSenderIsCounted) {
    auto preview = PreviewWithWindows(0x1, 0x2);
    SetPreviewHost(preview);
    ASSERT_EQ(preview->calls.size(), 1u);
    EXPECT_EQ(preview->calls[0].name, u"Parent");
    EXPECT_EQ(hookState().PreviewHostParent, 0x2);
    preview->properties[u"Parent"] = Object(std::make_shared<test::RecordingObject>());
    EXPECT_THROW(SetPreviewHost(preview), Failure) << "no handler of its own";
    EXPECT_EQ(hookState().PreviewHost, Object(preview));
    EXPECT_EQ(hookState().PreviewHostParent, 0x2);
    preview->properties[u"Parent"] = std::int32_t{5};
    EXPECT_THROW(SetPreviewHost(preview), Failure) << "a Parent that is no object";

    Object sender = std::make_shared<test::RecordingObject>();
    std::weak_ptr<LateBound> watch = sender;
    SetPreviewSender(sender);
    sender.reset();
    EXPECT_FALSE(watch.expired()) << "the hook state keeps the sender alive";
    SetPreviewSender(nullptr);
    EXPECT_TRUE(watch.expired());
}

TEST_F(FileDialog, InitWithAnInvalidOwnerRaisesAfterItsFirstStepsAndReportsNothing) {
    f.sim.addWindow(0x30001);
    auto preview = PreviewWithWindows(0x1, 0x2);
    clsZqPickerFileOpenSaveA file = make();
    file.HWndOwner(0x30001);
    file.Flags(0x4);
    try {
        file.Init(u"A|*.a", 3, u"C:\\In", u"C:\\In\\x.a", u"Title", 0x7FFF0000, 0x200, True, preview);
        ADD_FAILURE() << "no raise";
    } catch (const Raised& r) {
        EXPECT_EQ(r.info().number, eErrFileOpenSaveDialog_InvalidWindowHandle);
        EXPECT_EQ(r.info().description, u"Invalid window handle");
        EXPECT_EQ(r.info().source, u"Chooser10.clsPickerFileOpenSaveA");
    }
    EXPECT_EQ(file.Filter(), u"A|*.a");
    EXPECT_EQ(file.DefaultFilter(), 3);
    EXPECT_EQ(file.InitialDir(), u"C:\\In");
    EXPECT_EQ(file.FileName(), u"C:\\In\\x.a");
    EXPECT_EQ(file.DialogTitle(), u"Title");
    EXPECT_EQ(file.ShowPreview(), True);
    EXPECT_EQ(hookState().PreviewSender, self);
    EXPECT_EQ(hookState().PreviewHost, Object(preview));
    EXPECT_EQ(file.HWndOwner(), 0x30001);
    EXPECT_EQ(file.Flags(), 0x4);
    EXPECT_TRUE(f.reportCalls().empty());
    file.HWndOwner(-5);
    EXPECT_EQ(file.HWndOwner(), -5);
}

TEST_F(FileDialog, ResultsOfEachKindOfSelection) {
    struct Case {
        const char* what;
        std::int32_t flags;
        String file;
        String fileName;
        String selectedPath;
        std::int16_t fileCount;
        std::vector<String> fileNames;  // empty: unchanged (the single element "")
    };
    const Case cases[] = {
        {"single selection", 0, u"C:\\Data\\report.txt", u"C:\\Data\\report.txt", u"C:\\Data\\", 1, {}},
        {"multiselect, one file", kMultiselect, u"C:\\Data\\a.txt\0"s, u"C:\\Data\\a.txt", u"C:\\Data\\", 1,
         {u"C:\\Data\\a.txt"}},
        {"explorer, several", kMultiselect, u"C:\\Data\0a.txt\0b.txt\0"s, u"C:\\Data\\a.txt", u"C:\\Data", 2,
         {u"C:\\Data", u"a.txt", u"b.txt"}},
        {"explorer, several in the root", kMultiselect, u"C:\\\0a.txt\0b.txt\0"s, u"C:\\a.txt", u"C:", 2,
         {u"C:\\", u"a.txt", u"b.txt"}},
        {"old style, several", kMultiselect, u"C:\\DATA A.TXT B.TXT", u"C:\\DATA A.TXT B.TXT", u"C:\\", 1,
         {u"C:\\DATA A.TXT B.TXT"}},
        {"single file in the root", 0, u"C:\\a.txt", u"C:\\a.txt", u"C:\\", 1, {}},
        {"multiselect, a name without a folder", kMultiselect, u"a.txt\0"s, u"a.txt", u"", 1, {u"a.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clsZqPickerFileOpenSaveA file = make();
        file.Flags(c.flags);
        file.FileName(u"C:\\client.txt");
        userReturns(c.file, u"title.txt");
        ASSERT_EQ(file.Show(eDialogType_OpenFile), True);
        EXPECT_EQ(file.FileName(), c.fileName);
        EXPECT_EQ(file.SelectedPath(), c.selectedPath);
        EXPECT_EQ(file.FileCount(), c.fileCount);
        EXPECT_EQ(file.FileTitle(), u"title.txt");
        if (c.fileNames.empty())
            EXPECT_EQ(file.FileNames(), std::vector<String>{u""});
        else
            EXPECT_EQ(file.FileNames(), c.fileNames);
    }
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, TheTitleBufferAndSpecialBuffers) {
    clsZqPickerFileOpenSaveA file = make();
    file.FileTitle(u"old");
    userReturns(u"C:\\x\\report.txt", u"");
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(file.FileTitle(), u"") << "a title buffer that starts with a NUL";
    userReturns(u"C:\\x\\report.txt", u"report.txt");
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(file.FileTitle(), u"report.txt");

    // A dialog that confirms without writing anything: the spaces trim to nothing and nothing changes.
    f.sim.fileUser = [](OpenFileNameRecord& rec, WindowHandle) {
        rec.lpstrFile = String(254, u' ');
        rec.lpstrFileTitle = String(10, u' ');
        return true;
    };
    file.FileName(u"kept");
    file.FileTitle(u"kept too");
    EXPECT_EQ(file.Show(eDialogType_OpenFile), True);
    EXPECT_EQ(file.FileName(), u"");
    EXPECT_EQ(file.FileTitle(), u"");
    EXPECT_EQ(file.SelectedPath(), u"C:\\x\\") << "a blank buffer changes nothing else";
}

TEST_F(FileDialog, GetNextFileNameWalksAMultipleSelectionAndOtherwiseGivesFileName) {
    clsZqPickerFileOpenSaveA file = make();
    file.Flags(kMultiselect);
    userReturns(u"C:\\Data\0a.txt\0b.txt\0"s);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(file.GetNextFileName(1), u"C:\\Data\\a.txt");
    EXPECT_EQ(file.GetNextFileName(2), u"C:\\Data\\b.txt");
    for (std::int16_t i : {0, 3, -1, 32767, -32768}) EXPECT_EQ(file.GetNextFileName(i), u"C:\\Data\\a.txt") << i;

    userReturns(u"C:\\\0a.txt\0b.txt\0"s);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(file.GetNextFileName(2), u"C:\\b.txt");

    file.Flags(0);
    userReturns(u"C:\\Data\\report.txt");
    file.Show(eDialogType_OpenFile);
    for (std::int16_t i : {1, 5, 0}) EXPECT_EQ(file.GetNextFileName(i), u"C:\\Data\\report.txt") << i;
    file.FileName(u"set by the client");
    EXPECT_EQ(file.GetNextFileName(2), u"set by the client");
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, ACancelOrAFailedDialogLeavesEveryResult) {
    clsZqPickerFileOpenSaveA file = make();
    file.Flags(kMultiselect);
    userReturns(u"C:\\Data\0a.txt\0b.txt\0"s, u"a.txt");
    ASSERT_EQ(file.Show(eDialogType_OpenFile), True);
    auto unchanged = [&] {
        EXPECT_EQ(file.FileName(), u"C:\\Data\\a.txt");
        EXPECT_EQ(file.FileTitle(), u"a.txt");
        EXPECT_EQ(file.SelectedPath(), u"C:\\Data");
        EXPECT_EQ(file.FileCount(), 2);
        EXPECT_EQ(file.GetNextFileName(2), u"C:\\Data\\b.txt");
    };
    f.sim.fileUser = nullptr;  // the user cancels
    EXPECT_EQ(file.Show(eDialogType_SaveFile), False);
    unchanged();
    f.sim.fileUser = [](OpenFileNameRecord& rec, WindowHandle) {
        rec.lpstrFile[0] = u'Z';  // written, but the dialog failed
        return false;
    };
    EXPECT_EQ(file.Show(eDialogType_OpenFile), False);
    unchanged();
    f.sim.failNext("GetOpenFileNameA", test::someFailure());
    EXPECT_EQ(file.Show(eDialogType_OpenFile), False);
    unchanged();
    EXPECT_EQ(reportedNames(), std::vector<String>{u"clsPickerFileOpenSaveA.Show"});
}

TEST_F(FileDialog, HundredsOfLongNamesComeBackWhole) {
    String selection = u"C:\\A folder with a long name";
    selection.push_back(u'\0');
    std::vector<String> names;
    for (int i = 0; i < 300; ++i) {
        std::string number = std::to_string(i);
        String name = u"A sample file with a rather long name, number " + String(1, u'A' + i % 26) +
                      String(number.begin(), number.end()) + u".txt";
        names.push_back(name);
        selection += name;
        selection.push_back(u'\0');
    }
    ASSERT_GT(selection.size(), 10000u);
    clsZqPickerFileOpenSaveA file = make();
    file.Flags(kDefaultFlags | kMultiselect);
    userReturns(selection, names[0]);
    ASSERT_EQ(file.Show(eDialogType_OpenFile), True);
    EXPECT_EQ(file.FileCount(), 300);
    EXPECT_EQ(file.GetNextFileName(1), u"C:\\A folder with a long name\\" + names[0]);
    EXPECT_EQ(file.GetNextFileName(300), u"C:\\A folder with a long name\\" + names[299]);
    EXPECT_EQ(file.FileNames().size(), 301u);
}

TEST_F(FileDialog, ALongFileTitleIsCutToTheTitleBufferWithoutAReport) {
    clsZqPickerFileOpenSaveA file = make();
    file.FileTitle(String(1500, u'x'));
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(lastRecord().lpstrFileTitle, String(1024, u'x'));
    EXPECT_EQ(file.FileTitle(), String(1500, u'x')) << "a cancel keeps the property";
    file.FileTitle(String(1023, u'y'));
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(lastRecord().lpstrFileTitle, String(1023, u'y') + u'\0');
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(FileDialog, ShowPreviewPublishesAtOnceAndFarProcPassesItsArgument) {
    clsZqPickerFileOpenSaveA file = make();
    file.ShowPreview(True);
    EXPECT_EQ(hookState().PreviewEnabled, True);
    file.ShowPreview(False);
    EXPECT_EQ(hookState().PreviewEnabled, False);
    for (std::int32_t v : {0, -1, 0x401000, -2147483647 - 1}) EXPECT_EQ(file.FarProc(v), v);
    file.MaxFileSize(10);
    EXPECT_EQ(file.MaxFileSize(), 10);
    file.Show(eDialogType_OpenFile);
    EXPECT_EQ(lastRecord().nMaxFile, 65536u) << "MaxFileSize has no effect";
}

}  // namespace
}  // namespace cz

namespace cz {
namespace {

TEST(LongValue, CoercesAsTheRuntimeDoes) {
    EXPECT_EQ(LongValue(Empty{}), 0);
    EXPECT_EQ(LongValue(std::int16_t{-7}), -7);
    EXPECT_EQ(LongValue(std::int32_t{0x7FFFFFFF}), 0x7FFFFFFF);
    EXPECT_EQ(LongValue(Boolean{True}), -1);
    EXPECT_EQ(LongValue(2.5), 2);
    EXPECT_EQ(LongValue(3.5), 4);
    EXPECT_EQ(LongValue(String(u" 66000 ")), 66000);
    EXPECT_THROW(LongValue(2147483648.0), Failure);
    EXPECT_THROW(LongValue(String(u"12ab")), Failure);
    EXPECT_THROW(LongValue(Object()), Failure);
    EXPECT_THROW(LongValue(Missing{}), Failure);
}

TEST(LongValue, TakesBytesAndCurrencyAsTheRuntimeDoes) {
    EXPECT_EQ(LongValue(std::uint8_t{200}), 200);
    EXPECT_EQ(LongValue(Currency{25000}), 2);     // 2.5
    EXPECT_EQ(LongValue(Currency{35000}), 4);     // 3.5
    EXPECT_EQ(LongValue(Currency{-25000}), -2);
    EXPECT_EQ(LongValue(Currency{-35000}), -4);
    EXPECT_EQ(LongValue(Currency{-34999}), -3);
    EXPECT_EQ(LongValue(Currency{21474836474999}), 2147483647);
    EXPECT_EQ(LongValue(Currency{-21474836485000}), -2147483648);  // a half to the even neighbour
    EXPECT_THROW(LongValue(Currency{21474836475000}), Failure);    // ... which is 2147483648
    EXPECT_THROW(LongValue(Currency{-21474836485001}), Failure);
}

}  // namespace
}  // namespace cz

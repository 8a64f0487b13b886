// The file dialog object shown for real through the registered DLL and answered by the dialog driver, on
// files the test makes in the prefix: a single file and multiple selections chosen through the dialog's
// own controls, a selection far longer than one path, the save dialog's default extension, the filter
// chosen first, the folder it opens in, its caption and its centring, and what a cancel keeps. Show runs
// on the test thread; the watcher types into the dialog and closes it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chooser_classes.h"
#include "com_client.h"
#include "dialog_driver.h"
#include "shown.h"

namespace cz::testing {
namespace {

// The explorer-style dialog's file-name box and filter box; the old-style dialog's file-name field.
constexpr int kFileNameBox = cmb13;
constexpr int kFilterBox = cmb1;
constexpr int kOldStyleFileName = edt1;

constexpr LONG kExplorerLongNames = 0x280000;  // a new object's Flags
constexpr LONG kEnableHook = 0x20, kAllowMultiselect = 0x200;
constexpr LONG kOpen = 0, kSave = 1;

const std::wstring kBase = L"C:\\Chooser10 file test";

// Files of the prefix made for one test and removed after it.
struct TestFiles {
    std::wstring folder;
    std::vector<std::wstring> names;
    bool made = true;

    TestFiles(const std::wstring& sub, std::vector<std::wstring> fileNames) : folder(kBase + sub), names(std::move(fileNames)) {
        CreateDirectoryW(kBase.c_str(), nullptr);
        if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) made = false;
        for (const auto& name : names) {
            HANDLE file = CreateFileW(path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) made = false;
            else CloseHandle(file);
        }
    }
    ~TestFiles() {
        for (const auto& name : names) DeleteFileW(path(name).c_str());
        WIN32_FIND_DATAW entry;
        HANDLE left = FindFirstFileW((folder + L"\\*").c_str(), &entry);
        if (left != INVALID_HANDLE_VALUE) {
            do DeleteFileW(path(entry.cFileName).c_str());
            while (FindNextFileW(left, &entry));
            FindClose(left);
        }
        RemoveDirectoryW(folder.c_str());
        RemoveDirectoryW(kBase.c_str());
    }
    std::wstring path(const std::wstring& name) const { return folder + L"\\" + name; }
};

WatchOptions Quick() {
    WatchOptions o;
    o.timeoutMs = 8000;
    return o;
}

std::unique_ptr<Late> NewFileDialog() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(kFileDialog.progId().c_str(), object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

void Put(const Late& object, const wchar_t* name, Var value) {
    DispResult r = object.put(name, std::move(value));
    EXPECT_EQ(r.hr, S_OK) << Narrow(name) << ": " << Narrow(r.description);
}

std::wstring Text(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_BSTR);
    return r.value.str();
}

LONG Number(const DispResult& r) {
    EXPECT_EQ(r.hr, S_OK) << Narrow(r.description);
    Var copy = r.value;
    if (FAILED(VariantChangeType(copy.get(), copy.get(), 0, VT_I4))) return 0x7EADBEEF;
    return V_I4(copy.get());
}

Shown ShowWith(const Late& file, LONG dialogType, DialogWatcher::Action action) {
    Shown s;
    s.report = WithDialog([&] { s.result = file.call(L"Show", {Var::I4(dialogType)}); }, std::move(action), Quick());
    return s;
}

// Types the text into the file-name box (explorer style, else the old style's field) and confirms.
DialogWatcher::Action TypeAndConfirm(std::wstring typed, std::wstring* shownFirst = nullptr) {
    return [typed, shownFirst](const Dialog& d) {
        const int box = d.control(kFileNameBox) ? kFileNameBox : kOldStyleFileName;
        if (shownFirst) *shownFirst = d.text(box);
        d.setText(box, typed);
        d.ok();
    };
}

void Cancel(const Dialog& d) { d.cancel(); }

// The file hooks' offset: half the difference with its sign, rounded half to even.
LONG SignedHalf(LONG difference) { return static_cast<LONG>(std::nearbyint(difference / 2.0)); }

::testing::AssertionResult IsCentred(const DialogSnapshot& s) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const LONG x = SignedHalf((desktop.right - desktop.left) - (s.rect.right - s.rect.left));
    const LONG y = SignedHalf((desktop.bottom - desktop.top) - (s.rect.bottom - s.rect.top));
    if (s.rect.left == x && s.rect.top == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "dialog at (" << s.rect.left << ", " << s.rect.top << "); centred would be ("
                                         << x << ", " << y << ")";
}

// Every path of the last selection through GetNextFileName, from 1 to FileCount.
std::vector<std::wstring> Walk(const Late& file) {
    std::vector<std::wstring> paths;
    const LONG count = Number(file.get(L"FileCount"));
    for (LONG i = 1; i <= count; ++i) paths.push_back(Text(file.call(L"GetNextFileName", {Var::I2(static_cast<short>(i))})));
    return paths;
}

// ---- selections ---------------------------------------------------------------------------------------

TEST(RealFileDialog, ASingleFileTypedIntoTheDialogIsTheResult) {
    TestFiles files(L"\\single", {L"report one.txt", L"other.txt"});
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Put(*file, L"InitialDir", Var::Str(files.folder));
    Put(*file, L"FileName", Var::Str(L"C:\\not offered.txt"));
    std::wstring shownFirst = L"(not read)";
    Shown s = ShowWith(*file, kOpen, TypeAndConfirm(L"report one.txt", &shownFirst));
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(shownFirst, L"") << "the file-name box starts empty: neither the buffer's start nor FileName shows";
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"report one.txt"));
    EXPECT_EQ(Text(file->get(L"FileTitle")), L"report one.txt");
    EXPECT_EQ(Text(file->get(L"SelectedPath")), files.folder + L"\\");
    EXPECT_EQ(Number(file->get(L"FileCount")), 1);
    EXPECT_EQ(Text(file->call(L"GetNextFileName", {Var::I2(2)})), files.path(L"report one.txt"));
}

TEST(RealFileDialog, ThreeFilesOfAnExplorerSelectionComeBackOneByOne) {
    TestFiles files(L"\\three", {L"a.txt", L"b.txt", L"c.txt", L"d.txt"});
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Put(*file, L"InitialDir", Var::Str(files.folder));
    Put(*file, L"Flags", Var::I4(kExplorerLongNames | kAllowMultiselect));
    Shown s = ShowWith(*file, kOpen, TypeAndConfirm(L"\"a.txt\" \"b.txt\" \"d.txt\""));
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(Number(file->get(L"FileCount")), 3);
    EXPECT_EQ(Text(file->get(L"SelectedPath")), files.folder) << "no backslash at the end";
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"a.txt"));
    EXPECT_EQ(Walk(*file), (std::vector<std::wstring>{files.path(L"a.txt"), files.path(L"b.txt"), files.path(L"d.txt")}));
    EXPECT_EQ(Text(file->call(L"GetNextFileName", {Var::I2(4)})), files.path(L"a.txt"));
    // The index may be left out: it is 1.
    EXPECT_EQ(Text(file->call(L"GetNextFileName", {})), files.path(L"a.txt"));
}

TEST(RealFileDialog, ThreeHundredLongNamesComeBackWhole) {
    std::vector<std::wstring> names;
    std::wstring typed;
    for (int i = 0; i < 300; ++i) {
        names.push_back(L"A sample file with a long name, number " + std::to_wstring(1000 + i) + L".txt");
        typed += L"\"" + names.back() + L"\" ";
    }
    TestFiles files(L"\\many", names);
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Put(*file, L"InitialDir", Var::Str(files.folder));
    Put(*file, L"Flags", Var::I4(kExplorerLongNames | kAllowMultiselect));
    WatchOptions slow = Quick();
    slow.timeoutMs = 20000;
    Shown s;
    s.report = WithDialog([&] { s.result = file->call(L"Show", {Var::I4(kOpen)}); },
                          [&](const Dialog& d) {
                              // The box takes no more than its limit; raise it for the whole selection.
                              d.sendTo(kFileNameBox, CB_LIMITTEXT, 0, 0);
                              d.setText(kFileNameBox, typed);
                              d.ok();
                          },
                          slow);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    std::size_t total = files.folder.size();
    for (const auto& name : names) total += name.size() + 1;
    EXPECT_GT(total, 10000u);
    EXPECT_EQ(Number(file->get(L"FileCount")), 300);
    std::vector<std::wstring> expected;
    for (const auto& name : names) expected.push_back(files.path(name));
    EXPECT_EQ(Walk(*file), expected);
}

TEST(RealFileDialog, TheSaveDialogAppendsTheDefaultExtension) {
    TestFiles files(L"\\save", {});
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Put(*file, L"InitialDir", Var::Str(files.folder));
    Put(*file, L"DefaultExt", Var::Str(L"txt"));
    Shown s = ShowWith(*file, kSave, TypeAndConfirm(L"new notes"));
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"new notes.txt"));
    EXPECT_EQ(Text(file->get(L"FileTitle")), L"new notes.txt");
    EXPECT_EQ(Text(file->get(L"SelectedPath")), files.folder + L"\\");

    // Without a default extension the typed name stays as it is.
    Put(*file, L"DefaultExt", Var::Str(L""));
    Shown plain = ShowWith(*file, kSave, TypeAndConfirm(L"plain"));
    EXPECT_TRUE(ShowReturned(plain.result, VARIANT_TRUE));
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"plain"));
}

// ---- what the dialog shows ----------------------------------------------------------------------------

TEST(RealFileDialog, ItOpensInInitialDirWithTheDefaultFilterAndTheTitle) {
    TestFiles files(L"\\start", {L"x.dat"});
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    DispResult init = file->call(L"Init", {Var::Str(L"Text files|*.txt|Data files|*.dat|All files|*.*"), Var::I2(2),
                                           Var::Str(files.folder), Var::Str(L""), Var::Str(L"Choose the data")});
    ASSERT_EQ(init.hr, S_OK) << Narrow(init.description);
    LRESULT filterChosen = -2;
    std::wstring filterText;
    char folder[2 * MAX_PATH] = {};  // the folder, in the dialog's character set
    Shown s = ShowWith(*file, kOpen, [&](const Dialog& d) {
        filterChosen = d.sendTo(kFilterBox, CB_GETCURSEL);
        filterText = d.text(kFilterBox);
        d.send(CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
        d.setText(kFileNameBox, L"x.dat");
        d.ok();
    });
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_TRUE));
    EXPECT_EQ(filterChosen, 1) << "the second filter pair";
    EXPECT_EQ(filterText, L"Data files");
    // An ANSI dialog answers in ANSI; read it as UTF-16 only if it came back so.
    const std::string opened = folder[1] == '\0' ? Narrow(reinterpret_cast<const wchar_t*>(folder)) : std::string(folder);
    EXPECT_EQ(opened, Narrow(files.folder));
    ASSERT_EQ(s.report.seen(), 1);
    EXPECT_EQ(s.dialog().caption, L"Choose the data");
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"x.dat"));
    EXPECT_EQ(Number(file->get(L"DefaultFilter")), 2) << "the filter the user ended with is not read back";
}

TEST(RealFileDialog, CenterDialogCentresTheExplorerDialogAndTheOldStyleHookAlwaysCentres) {
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Shown plain = ShowWith(*file, kOpen, Cancel);
    ASSERT_EQ(plain.report.seen(), 1);
    EXPECT_EQ(plain.dialog().caption, L"Open") << "an empty DialogTitle leaves the platform's caption";
    EXPECT_FALSE(IsCentred(plain.dialog())) << "the platform's own place must differ for this test to mean anything";

    Put(*file, L"CenterDialog", Var::Bool(true));
    Shown centred = ShowWith(*file, kOpen, Cancel);
    ASSERT_EQ(centred.report.seen(), 1);
    EXPECT_TRUE(IsCentred(centred.dialog()));
    EXPECT_EQ(Number(file->get(L"Flags")), kExplorerLongNames | kEnableHook);

    auto oldStyle = NewFileDialog();
    ASSERT_TRUE(oldStyle);
    Put(*oldStyle, L"Flags", Var::I4(kEnableHook));
    Shown old = ShowWith(*oldStyle, kOpen, Cancel);
    ASSERT_EQ(old.report.seen(), 1);
    EXPECT_TRUE(IsCentred(old.dialog())) << "old style, centring not asked";
    EXPECT_TRUE(ShowReturned(old.result, VARIANT_FALSE));
}

TEST(RealFileDialog, ACancelGivesFalseAndKeepsTheLastResults) {
    TestFiles files(L"\\cancel", {L"kept.txt"});
    ASSERT_TRUE(files.made);
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    Put(*file, L"InitialDir", Var::Str(files.folder));
    Shown chosen = ShowWith(*file, kOpen, TypeAndConfirm(L"kept.txt"));
    ASSERT_TRUE(ShowReturned(chosen.result, VARIANT_TRUE));
    Shown cancelled = ShowWith(*file, kSave, Cancel);
    EXPECT_TRUE(cancelled.report.clean()) << cancelled.report.actionError;
    EXPECT_TRUE(ShowReturned(cancelled.result, VARIANT_FALSE));
    EXPECT_EQ(Text(file->get(L"FileName")), files.path(L"kept.txt"));
    EXPECT_EQ(Text(file->get(L"FileTitle")), L"kept.txt");
    EXPECT_EQ(Text(file->get(L"SelectedPath")), files.folder + L"\\");
    EXPECT_EQ(Number(file->get(L"FileCount")), 1);

    // A dialog type that is neither open nor save shows nothing.
    Shown none = ShowWith(*file, 2, Cancel);
    EXPECT_TRUE(ShowReturned(none.result, VARIANT_FALSE));
    EXPECT_EQ(none.report.seen(), 0);
}

}  // namespace
}  // namespace cz::testing

// The file-properties class and the root object through the registered DLL: the shell's answer to a
// properties request (Wine 8.0's shell has no "properties" verb, so an existing file gets its error code
// too), no message box for a missing file, the shell about box with the client's texts read from its
// controls, the application object, and the resource loads' error through IErrorInfo.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "chooser_classes.h"
#include "com_client.h"
#include "dialog_driver.h"

namespace cz::testing {
namespace {

constexpr int kAboutAppText = 100, kAboutMessageText = 101;

std::unique_ptr<Late> New(const wchar_t* progId) {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(progId, object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

// The same request made directly, for the shell's own answer.
LONG DirectRequest(const char* file) {
    SHELLEXECUTEINFOA sei{};
    sei.cbSize = sizeof sei;
    sei.fMask = 0x44C;
    sei.lpVerb = "properties";
    sei.lpFile = file;
    sei.lpParameters = "";
    sei.lpDirectory = "";
    ShellExecuteExA(&sei);
    if (sei.hProcess) CloseHandle(sei.hProcess);
    return static_cast<LONG>(reinterpret_cast<INT_PTR>(sei.hInstApp));
}

TEST(FileProperties, ShowPropertiesReturnsTheShellsCodeAndAMissingFileShowsNoMessageBox) {
    auto pps = New(L"Chooser10.clsZqPickerFilePpsA");
    ASSERT_TRUE(pps);
    WatchOptions options;
    options.timeoutMs = 3000;
    options.dialogs = 0;
    DispResult missing;
    WatchReport report = WithDialog(
        [&] { missing = pps->call(L"ShowProperties", {Var::Str(L"C:\\no\\such\\file.txt"), Var::I4(0)}); },
        [](const Dialog&) {}, options);
    ASSERT_EQ(missing.hr, S_OK) << Narrow(missing.description);
    ASSERT_EQ(missing.value.vt(), VT_I4);
    EXPECT_LE(V_I4(&*missing.value), 32);
    EXPECT_TRUE(report.unexpected.empty()) << "a message box appeared";

    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring existing = std::wstring(windows) + L"\\win.ini";
    DispResult shown = pps->call(L"ShowProperties", {Var::Str(existing), Var::I4(0)});
    ASSERT_EQ(shown.hr, S_OK);
    std::string ansi(existing.begin(), existing.end());
    EXPECT_EQ(V_I4(&*shown.value), DirectRequest(ansi.c_str())) << "the shell's own answer";
    if (V_I4(&*shown.value) <= 32) GTEST_SKIP() << "this shell has no properties verb (code " << V_I4(&*shown.value) << ")";
}

TEST(FileProperties, ShowAboutShowsTheClientsTextsAndReturnsEmpty) {
    auto pps = New(L"Chooser10.clsZqPickerFilePpsA");
    ASSERT_TRUE(pps);
    std::wstring app, message;
    DispResult r;
    WatchOptions options;
    options.timeoutMs = 10000;
    WatchReport report = WithDialog(
        [&] { r = pps->call(L"ShowAbout", {Var::I4(0), Var::Str(L"Test App"), Var::Str(L"Test message")}); },
        [&](const Dialog& d) {
            app = d.text(kAboutAppText);
            message = d.text(kAboutMessageText);
            d.ok();
        },
        options);
    EXPECT_TRUE(report.clean());
    ASSERT_EQ(report.seen(), 1);
    EXPECT_EQ(report.dialogs[0].caption, L"About Test App");
    EXPECT_EQ(app, L"Test App");
    EXPECT_EQ(message, L"Test message");
    ASSERT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_EQ(r.value.vt(), VT_EMPTY);
}

TEST(RootObject, TheApplicationObjectAndTheResourceLoadsError) {
    auto root = New(L"Chooser10.clsZqChooser10A");
    ASSERT_TRUE(root);
    DispResult app = root->get(L"GetProStdProperties");
    ASSERT_EQ(app.hr, S_OK);
    ASSERT_EQ(app.value.vt(), VT_DISPATCH);
    Late application(V_DISPATCH(&*app.value));
    EXPECT_EQ(application.get(L"Title").value.str(), L"Chooser10");
    EXPECT_EQ(V_I4(&*application.get(L"Major").value), 1);

    DispResult loaded = root->invoke(L"GetProResStrings", DISPATCH_PROPERTYGET, {Var::I4(101)});
    EXPECT_EQ(loaded.error(), static_cast<HRESULT>(0x800A0146));
    EXPECT_EQ(loaded.description, L"Resource with identifier '101' not found");
    DispResult picture = root->invoke(L"GetProResPicture", DISPATCH_PROPERTYGET, {Var::I4(1), Var::I4(32768)});
    EXPECT_EQ(picture.error(), static_cast<HRESULT>(0x800A0006));
}

}  // namespace
}  // namespace cz::testing

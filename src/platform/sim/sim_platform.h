// A scriptable stand-in for the operating system and the automation layer: windows with rectangles and
// captions, registered classes, dialogs whose user is a script, a log of every call with the record it
// received, and failures to inject per operation.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "automation/failure.h"
#include "platform/platform.h"

namespace cz::sim {

struct Window {
    Rect rect;
    std::string caption;  // ANSI, as SetWindowTextA received it
    WindowHandle parent = 0;
    std::int32_t controlId = 0;   // what GetDlgItem finds it by among its parent's children
    std::optional<Rect> client{};  // without one, the client area is the whole rectangle
    bool visible = false;
    std::uint32_t placementFlags = 0;  // WINDOWPLACEMENT's flags and showCmd as last set
    std::uint32_t showCmd = 1;
};

// One run of a modal dialog: the record as the dialog received it, and the dialog window as the user
// saw it once the hook had run.
struct ColourDialogRun {
    ChooseColorRecord record;
    std::array<std::int32_t, 16> customColours{};  // as offered when the dialog opened
    WindowHandle dialog = 0;
    Window shown;
};
struct FolderDialogRun {
    BrowseInfoRecord record;
    WindowHandle dialog = 0;
    Window shown;
};
struct PrintDialogRun {
    PrintDlgRecord record;  // as the dialog received it
    bool shown = false;     // false when PD_RETURNDEFAULT asked for the default printer without a dialog
};
struct FontDialogRun {
    ChooseFontRecord record;  // as the dialog received it
    LogFontRecord logFont;    // what lpLogFont pointed to then (all zero when it was null)
    bool hooked = false;      // the platform called the hook
    WindowHandle dialog = 0;
    Window shown;
};
// One entry of the operation log: the operation (or "<label>.<member>" for an automation call on a test
// object), which call of that operation it was since the log was last cleared (from 1), and whether a
// dialog was open, that is whether a hook or callback made it.
struct LoggedCall {
    std::string operation;
    int nth = 0;
    bool inDialog = false;
};
struct FileDialogRun {
    OpenFileNameRecord record;  // as the dialog received it
    bool save = false;
    WindowHandle dialog = 0;  // the dialog's own window
    WindowHandle hooked = 0;  // the window the hook received: explorer style, a child of the dialog
    Window shown;             // the dialog window once the hook had run
};
struct ShellAboutRun {
    WindowHandle hwnd;
    std::string app;  // ANSI, as the shell received them
    std::string otherStuff;
    std::int32_t hIcon;
};
// One call of the resource loader: "string", "picture" or "data", with what it was asked for.
struct ResourceLoad {
    std::string what;
    std::int32_t id;
    std::int16_t kind = 0;  // pictures
    Variant type;           // data
};
struct SentMessage {
    WindowHandle hwnd;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::string text;  // the ANSI text lParam pointed to, for the messages that carry one
};

class SimPlatform : public Platform {
public:
    SimPlatform();

    // --- scripting ----------------------------------------------------------------------------------
    void addWindow(WindowHandle hwnd, Rect rect = {}, WindowHandle parent = 0) { windows_[hwnd] = {rect, {}, parent}; }
    void removeWindow(WindowHandle hwnd) { windows_.erase(hwnd); }
    const Window* window(WindowHandle hwnd) const;
    // A control of a dialog, as GetDlgItem finds it.
    void addControl(WindowHandle hwnd, WindowHandle dialog, std::int32_t id, Rect rect) {
        windows_[hwnd] = {rect, {}, dialog, id};
    }
    void setClientRect(WindowHandle hwnd, Rect client) { windows_.at(hwnd).client = client; }
    // The notification header of a simulated WM_NOTIFY: its address is what the message's lParam carries.
    static std::intptr_t notification(const NotifyHeader& header) { return reinterpret_cast<std::intptr_t>(&header); }
    void setDesktopRect(Rect rect) { windows_[kDesktop].rect = rect; }
    static constexpr WindowHandle kDesktop = 0x10010;
    // Where the next dialog opens, before any hook moves it.
    Rect nextDialogRect{10, 20, 410, 320};
    std::string defaultDialogCaption = "Color";

    // Makes ProgID create objects through the factory; unregistered ProgIDs fail as the system does.
    void registerClass(String progId, std::function<Object()> factory) { classes_[std::move(progId)] = std::move(factory); }
    void unregisterClass(const String& progId) { classes_.erase(progId); }
    void setLibraryPath(String path) { libraryPath_ = std::move(path); }

    // The user of the next dialogs: gets the record and the dialog window, returns the dialog's result.
    // Without one, the user cancels.
    std::function<bool(ChooseColorRecord&, WindowHandle)> colourUser;
    std::function<std::uintptr_t(BrowseInfoRecord&, WindowHandle)> folderUser;
    std::function<bool(PrintDlgRecord&)> printUser;
    std::function<bool(ChooseFontRecord&, LogFontRecord&, WindowHandle)> fontUser;

    // What NewStdFont makes; without it, the font class is not registered.
    std::function<Object()> stdFontFactory;
    // The screen's vertical resolution, in twips per pixel.
    float twipsPerPixelY = 15.0f;
    // Whether there is a current printer whose device context CreatePrinterDC can make.
    bool hasPrinter = true;
    // A double-byte code page instead of the single-byte one: every character outside ASCII takes two
    // bytes, a lead byte with the high bit set and a non-zero trail byte (characters from U+8000 on, and
    // those whose low byte is zero, become '?').
    bool doubleByteCodePage = false;
    // Gets the record and the dialog's own window.
    std::function<bool(OpenFileNameRecord&, WindowHandle)> fileUser;
    // Writes what a file dialog returns over the start of one of its buffers, as the system does, and
    // says whether it fitted in `capacity` characters with its NUL; the system's dialog fails when not.
    static bool writeResult(String& buffer, std::uint32_t capacity, std::u16string_view result);
    // The explorer-style dialog's file list: its client area, as the hook measures it.
    Rect fileListArea{0, 0, 400, 180};
    // While an explorer-style dialog with a hook is open (from fileUser): the user highlights an item.
    // The dialog then answers CDM_GETFILEPATH with the ANSI path, truncated to the buffer as the system
    // does, and the length of the whole path with its NUL, or `reportedLength` when given; and its
    // hook hears CDN_SELCHANGE. An empty path: the message fails (0).
    void highlight(std::string path, std::optional<std::intptr_t> reportedLength = std::nullopt);
    // Sends the open file dialog's hook a WM_NOTIFY with that code.
    void notifyFileHook(std::int32_t code);
    // The shell's answer to a request; without one it carries every request out (hInstApp 42).
    std::function<bool(ShellExecuteInfoRecord&)> shellUser;
    std::int32_t shellAboutResult = 1;

    // A process handle as the shell hands it out.
    std::uintptr_t addProcessHandle();
    // The library's own resources: none, unless a test puts some here.
    std::map<std::int32_t, String> resourceStrings;
    std::map<std::pair<std::int32_t, std::int16_t>, Picture> resourcePictures;
    std::map<std::int32_t, std::vector<std::uint8_t>> resourceData;

    // Shell items: an identifier list the folder dialog can return; with no path it is a virtual item.
    std::uintptr_t addItem(std::optional<std::string> path);
    // A global memory block as a dialog hands it out (the device-mode and device-names blocks).
    std::uintptr_t addGlobalBlock();
    // Makes LocalAlloc answer 0, as when memory runs out.
    bool allocationsFail = false;

    // The next call of the named operation (for example "IsWindow") throws this failure; `times` calls
    // in a row when given.
    void failNext(const std::string& operation, Failure failure, int times = 1);
    // The nth call of the operation from now on (from 1) throws this failure; the others pass.
    void failCall(const std::string& operation, int nth, Failure failure);
    // An automation call on a test object, logged and failable like a platform operation.
    void objectCall(const std::string& operation) { enter(operation); }

    // --- what happened ------------------------------------------------------------------------------
    const std::vector<std::string>& calls() const { return calls_; }
    int count(const std::string& operation) const;
    const std::vector<LoggedCall>& log() const { return log_; }
    void clearCalls() {
        calls_.clear();
        log_.clear();
        callCounts_.clear();
    }
    std::vector<ColourDialogRun> colourDialogs;
    std::vector<FolderDialogRun> folderDialogs;
    std::vector<PrintDialogRun> printDialogs;
    std::vector<FileDialogRun> fileDialogs;
    std::vector<SentMessage> sentMessages;
    std::vector<ShellExecuteInfoRecord> shellRequests;  // as the shell received them
    std::vector<ShellAboutRun> shellAbouts;
    std::vector<ResourceLoad> resourceLoads;
    std::size_t liveHandles() const { return handles_.size(); }
    std::map<std::uintptr_t, int> handleCloses;
    // The length field of every placement record GetWindowPlacement and SetWindowPlacement received.
    std::vector<std::uint32_t> placementLengths;
    // Every SetParent and ShowWindow, in order: (window, new parent) and (window, command).
    std::vector<std::pair<WindowHandle, WindowHandle>> parentChanges;
    std::vector<std::pair<WindowHandle, std::int32_t>> showCommands;
    // Blocks handed out and not yet freed, and how often each block or list was freed.
    std::size_t liveLocalBlocks() const { return localBlocks_.size(); }
    std::map<std::uintptr_t, int> localFrees;
    std::map<std::uintptr_t, int> itemListFrees;
    std::size_t liveGlobalBlocks() const { return globalBlocks_.size(); }
    std::map<std::uintptr_t, int> globalFrees;
    // Device contexts made and not yet deleted, and how often each one was deleted.
    std::size_t liveDeviceContexts() const { return deviceContexts_.size(); }
    std::map<std::int32_t, int> deviceContextDeletes;
    std::vector<std::int32_t> printerContextsMade;
    std::vector<FontDialogRun> fontDialogs;
    std::vector<std::string> localBlockContents;  // each block's bytes up to its first zero, when freed
    std::vector<std::size_t> localBlockSizes;       // each allocation's size
    // What went wrong with what the platform handed out: every local and global block, item list and
    // device context must have been released by exactly one call (a release that failed counts as its
    // one call), and nothing else released. Empty when all is well.
    std::vector<std::string> accountingFaults() const;

    // --- Platform -----------------------------------------------------------------------------------
    bool IsWindow(WindowHandle hwnd) override;
    bool SetWindowTextA(WindowHandle hwnd, const std::string& ansiText) override;
    WindowHandle GetDesktopWindow() override;
    bool GetWindowRect(WindowHandle hwnd, Rect& rect) override;
    bool MoveWindow(WindowHandle hwnd, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    bool repaint) override;
    WindowHandle GetParent(WindowHandle hwnd) override;
    std::intptr_t SendMessageA(WindowHandle hwnd, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool GetOpenFileNameA(OpenFileNameRecord& record) override;
    bool GetSaveFileNameA(OpenFileNameRecord& record) override;
    WindowHandle GetDlgItem(WindowHandle dialog, std::int32_t id) override;
    bool GetClientRect(WindowHandle hwnd, Rect& rect) override;
    bool GetWindowPlacement(WindowHandle hwnd, WindowPlacementRecord& placement) override;
    bool SetWindowPlacement(WindowHandle hwnd, const WindowPlacementRecord& placement) override;
    WindowHandle SetParent(WindowHandle child, WindowHandle newParent) override;
    bool ShowWindow(WindowHandle hwnd, std::int32_t command) override;
    NotifyHeader ReadNotifyHeader(std::intptr_t address) override;
    bool ChooseColorA(ChooseColorRecord& record) override;
    bool PrintDlgA(PrintDlgRecord& record) override;
    bool ChooseFontA(ChooseFontRecord& record) override;
    std::uintptr_t SHBrowseForFolderA(BrowseInfoRecord& record) override;
    bool SHGetPathFromIDListA(std::uintptr_t idList, char* path) override;
    bool ShellExecuteExA(ShellExecuteInfoRecord& record) override;
    std::int32_t ShellAboutA(WindowHandle hwnd, const std::string& app, const std::string& otherStuff,
                             std::int32_t hIcon) override;
    bool CloseHandle(std::uintptr_t handle) override;
    void CoTaskMemFree(std::uintptr_t block) override;
    std::uintptr_t LocalAlloc(std::uint32_t flags, std::size_t bytes) override;
    std::uintptr_t LocalFree(std::uintptr_t block) override;
    std::uintptr_t GlobalFree(std::uintptr_t block) override;
    void RtlMoveMemory(void* destination, const void* source, std::size_t bytes) override;
    Object CreateObject(std::u16string_view progId) override;
    Object NewStdFont() override;
    float ScreenTwipsPerPixelY() override;
    std::int32_t CreatePrinterDC() override;
    bool DeleteDC(std::int32_t hdc) override;
    String LibraryPath() override;
    String LoadResString(std::int32_t id) override;
    Picture LoadResPicture(std::int32_t id, std::int16_t kind) override;
    std::vector<std::uint8_t> LoadResData(std::int32_t id, const Variant& type) override;
    std::string ToAnsi(std::u16string_view text) override;
    String FromAnsi(std::string_view text) override;

private:
    // Logs the call and throws an injected failure if one is due.
    void enter(const std::string& operation);
    WindowHandle openDialog();
    // Handles handed out and the release calls each one got, by kind ("local block", ...).
    void handOut(const char* kind, std::uintptr_t handle) { ledger_.push_back({kind, handle, 0}); }
    void releaseCall(const char* kind, std::uintptr_t handle);
    // Marks the calls made while a dialog is open.
    struct DialogOpen {
        explicit DialogOpen(SimPlatform& sim) : sim(sim) { ++sim.dialogDepth_; }
        ~DialogOpen() { --sim.dialogDepth_; }
        SimPlatform& sim;
    };
    bool runFileDialog(OpenFileNameRecord& record, bool save);
    std::intptr_t answerGetFilePath(std::uintptr_t room, std::intptr_t buffer) const;

    // The explorer-style dialog that is open: its hook, the window the hook receives, what is highlighted.
    struct OpenFileDialog {
        CommonDialogHook hook = nullptr;
        WindowHandle hooked = 0;
        WindowHandle dialog = 0;
        std::string highlighted;
        std::optional<std::intptr_t> reportedLength;
    };
    std::optional<OpenFileDialog> openFile_;

    std::map<WindowHandle, Window> windows_;
    WindowHandle nextWindow_ = 0x20000;
    std::map<String, std::function<Object()>> classes_;
    String libraryPath_ = u"C:\\Program Files\\Chooser10\\Chooser10.dll";
    std::map<std::uintptr_t, std::optional<std::string>> items_;
    std::uintptr_t nextItem_ = 0x5000;
    std::map<std::uintptr_t, std::unique_ptr<char[]>> localBlocks_;
    std::map<std::uintptr_t, std::unique_ptr<char[]>> globalBlocks_;
    std::set<std::int32_t> deviceContexts_;
    std::int32_t nextDeviceContext_ = 0x21010;
    std::set<std::uintptr_t> handles_;
    std::uintptr_t nextHandle_ = 0x700;
    std::map<std::string, std::vector<Failure>> pending_;
    std::vector<std::string> calls_;
    std::vector<LoggedCall> log_;
    std::map<std::string, int> callCounts_;
    struct Scheduled {
        int remaining;
        Failure failure;
    };
    std::map<std::string, std::vector<Scheduled>> scheduled_;
    int dialogDepth_ = 0;
    struct Handed {
        std::string kind;
        std::uintptr_t handle;
        int releases;
    };
    std::vector<Handed> ledger_;  // in the order handed out; a freed address may come back later
    std::vector<Handed> strayReleases_;
};

}  // namespace cz::sim

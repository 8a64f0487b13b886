// The fault sweep: every member of every class runs once against the simulated platform to learn the
// operations it calls (platform operations and automation calls on the objects it is handed), then once
// more for each of those calls with that one call failing. Each run must end as the error model says and
// leave nothing unreleased. Where a failure leads into a report, each call of the report path is failed
// as well: that failure must reach the client.
//
// A class is swept by one entry in Classes(); a member by one line in it. The coverage test fails when the
// interface offers a member the table does not sweep, or the platform offers an operation no run swept.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "colour/colour_dialog.h"
#include "fake_font.h"
#include "fakes.h"
#include "file/file_dialog.h"
#include "folder/bff.h"
#include "folder/folder_callback.h"
#include "font/font_dialog.h"
#include "frame/errors.h"
#include "frame/hook_state.h"
#include "print/print_dialog.h"
#include "frame/root_object.h"
#include "shell/file_properties.h"

namespace cz {
namespace {

constexpr WindowHandle kOwner = 0x30001;
constexpr std::int32_t kFirstFault = hresult(0x8004F001);
constexpr std::int32_t kReportFault = hresult(0x8004F002);

std::string hex(std::int32_t n) {
    std::ostringstream out;
    out << "0x" << std::hex << static_cast<std::uint32_t>(n);
    return out.str();
}
std::string narrow(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

// What a member's result looks like, for comparing runs.
std::string text(std::int16_t v) { return std::to_string(v); }
std::string text(std::int32_t v) { return std::to_string(v); }
std::string text(const String& v) { return "\"" + narrow(v) + "\""; }
std::string text(const Object& v) { return v ? "object" : "Nothing"; }

struct Fault {
    std::string operation;
    int nth;
    std::int32_t number;
};

// One run of a member: the fixture, and the faults armed when the member starts.
// A client object whose property gets and puts enter the platform's operation log, where the sweep
// fails them.
struct LoggedObject : test::RecordingObject {
    LoggedObject(sim::SimPlatform& sim, std::string name) { platformLog = &sim; label = std::move(name); }
    Variant get(std::u16string_view name) override {
        platformLog->objectCall(label + ".get " + std::string(name.begin(), name.end()));
        return RecordingObject::get(name);
    }
    void put(std::u16string_view name, const Variant& value) override {
        platformLog->objectCall(label + ".put " + std::string(name.begin(), name.end()));
        RecordingObject::put(name, value);
    }
};

struct Scenario {
    Scenario() {
        hookState() = HookState{};
        f.sim.addWindow(kOwner);
    }
    ~Scenario() { hookState() = HookState{}; }
    // Called by a run after its setup, right before the member: the log starts here and the faults arm.
    void start() {
        f.sim.clearCalls();
        for (const auto& fault : faults)
            f.sim.failCall(fault.operation, fault.nth, Failure(ErrorInfo{fault.number, u"sim", u"injected"}));
    }
    // A font object of the client's whose gets and puts are swept like platform operations.
    std::shared_ptr<test::FakeFont> font() {
        auto font = std::make_shared<test::FakeFont>();
        font->platformLog = &f.sim;
        return font;
    }

    // A client's preview object: a window that lives in another window. Its gets and puts are swept.
    Object preview() {
        constexpr WindowHandle window = 0x3001, home = 0x3002;
        f.sim.addWindow(home, {0, 0, 640, 480});
        f.sim.addWindow(window, {0, 0, 200, 120}, home);
        auto parent = std::make_shared<LoggedObject>(f.sim, "PreviewParent");
        parent->properties[u"hwnd"] = home;
        auto object = std::make_shared<LoggedObject>(f.sim, "Preview");
        object->properties[u"hwnd"] = window;
        object->properties[u"Parent"] = Object(parent);
        return object;
    }

    test::Fixture f;
    std::vector<Fault> faults;
};

struct Outcome {
    std::string kind;  // "returns", "raises" (a code raised on purpose) or "client error" (anything else)
    std::string result;               // what it returned, or the raised or escaping number
    std::vector<std::string> reports;  // "<procedure> <number>", one per report the framework received
};
bool operator==(const Outcome& a, const Outcome& b) {
    return a.kind == b.kind && a.result == b.result && a.reports == b.reports;
}
std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    out << o.kind << " " << o.result << " [";
    for (const auto& r : o.reports) out << " " << r;
    return out << " ]";
}

using Run = std::function<std::string(Scenario&)>;
// Adjusts the expected outcome of a failure in a step of the member itself (not in a hook, not in a
// release), which by default is: one report under the member's qualified name, and the result of the
// run without the failure.
using OnFault = std::function<void(const sim::LoggedCall&, Outcome&)>;
// Adjusts the expected outcome of a failure in the report path that the first failure led into, which by
// default is the client's error: the report's own failure ends the member.
using OnReportFault = std::function<void(const sim::LoggedCall& first, const sim::LoggedCall& inReport, Outcome&)>;

struct MemberSweep {
    std::string member;  // as the interface names it: "Show", "get_Flags", "put_HWndOwner"
    Run run;
    OnFault onFault;
    std::string scenario;  // tells apart several runs of one member
    OnReportFault onReportFault = {};
};
struct ClassSweep {
    std::string name;
    std::u16string_view classConstant;
    std::vector<MemberSweep> members;
};

// Property members that reach no platform operation still get an entry: the sweep proves that.
#define GET(T, Name) MemberSweep{"get_" #Name, [](Scenario& s) { T o{s.f.sim}; s.start(); return text(o.Name()); }, {}, {}}
#define PUT(T, Name, value) \
    MemberSweep{"put_" #Name, [](Scenario& s) { T o{s.f.sim}; s.start(); o.Name(value); return std::string(); }, {}, {}}
#define PUTREF(T, Name, value) \
    MemberSweep{"putref_" #Name, [](Scenario& s) { T o{s.f.sim}; s.start(); o.Name(value); return std::string(); }, {}, {}}

// A failing owner test raises the invalid-window-handle code after its report.
OnFault raisesOnOwnerTest(std::int32_t code) {
    return [code](const sim::LoggedCall& c, Outcome& e) {
        if (c.operation == "IsWindow") {
            e.kind = "raises";
            e.result = hex(code);
        }
    };
}
// Raising builds its source from the library's file name: when that fails, that failure reaches the
// client instead.
void raiseNeedsLibraryPath(const sim::LoggedCall& c, Outcome& e) {
    if (c.operation == "LibraryPath") {
        e = {"client error", hex(kFirstFault), {}};
    }
}
// The classes without a handler: every failure reaches the client unchanged, nothing is reported.
void reachesClient(const sim::LoggedCall&, Outcome& e) { e = {"client error", hex(kFirstFault), {}}; }
std::vector<ClassSweep> Classes() {
    using Bff = clsZqPickerBFFA;
    using Colour = clsZqPickerColorDialogA;
    using Print = clsZqPickerPrintDialogA;
    using Font = clsZqPickerFontDialogA;
    using File = clsZqPickerFileOpenSaveA;
    using Root = clsZqChooser10A;
    using Pps = clsZqPickerFilePpsA;
    return {
        {"clsZqPickerBFFA", class_constant::BrowseForFolder, {
            GET(Bff, Flags), PUT(Bff, Flags, 5), GET(Bff, DialogTitle), PUT(Bff, DialogTitle, u"t"),
            GET(Bff, InitialPath), PUT(Bff, InitialPath, u"C:\\x"), GET(Bff, SelectedPath), GET(Bff, HWndOwner),
            {"put_HWndOwner", [](Scenario& s) { Bff o{s.f.sim}; s.start(); o.HWndOwner(kOwner); return std::string(); },
             raisesOnOwnerTest(eErrBrowseForFolder_InvalidWindowHandle), {}},
            {"put_HWndOwner", [](Scenario& s) { Bff o{s.f.sim}; s.start(); o.HWndOwner(0x7777); return std::string(); },
             raiseNeedsLibraryPath, "no such window"},
            {"Init", [](Scenario& s) { Bff o{s.f.sim}; s.start(); o.Init(u"C:\\a", kOwner, u"t", 1); return std::string(); },
             raisesOnOwnerTest(eErrBrowseForFolder_InvalidWindowHandle), {}},
            {"Browse", [](Scenario& s) {
                 Bff o{s.f.sim};
                 o.InitialPath(u"C:\\start");
                 s.f.sim.folderUser = [&s](BrowseInfoRecord& rec, WindowHandle dialog) {
                     std::uintptr_t item = s.f.sim.addItem("C:\\chosen");
                     rec.lpfn(dialog, msg::BrowseSelectionChanged, static_cast<std::intptr_t>(item), rec.lParam);
                     return item;
                 };
                 s.start();
                 std::string result = text(o.Browse());
                 return result + " " + text(o.SelectedPath());
             },
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "SHBrowseForFolderA") e.result = text(False) + " \"\"";
                 if (c.operation == "FromAnsi") e.result = text(True) + " \"\"";
                 if (c.operation == "SHGetPathFromIDListA") e = {"raises", hex(eErrBrowseForFolder_CantGetPath), e.reports};
             }, {}},
            {"Browse", [](Scenario& s) {
                 Bff o{s.f.sim};
                 s.f.sim.folderUser = [&s](BrowseInfoRecord&, WindowHandle) { return s.f.sim.addItem(std::nullopt); };
                 s.start();
                 return text(o.Browse());
             },
             [](const sim::LoggedCall& c, Outcome& e) {
                 raiseNeedsLibraryPath(c, e);
                 if (c.operation == "SHBrowseForFolderA") e = {"returns", text(False), e.reports};
             }, "an item without a path"},
        }},
        {"clsZqPickerColorDialogA", class_constant::ColourDialog, {
            GET(Colour, HWndOwner), GET(Colour, Flags), PUT(Colour, Flags, 2), GET(Colour, InitialColour),
            PUT(Colour, InitialColour, 0x123456), GET(Colour, SelectedColour), GET(Colour, DialogTitle),
            PUT(Colour, DialogTitle, u"t"), GET(Colour, CenterDialog), PUT(Colour, CenterDialog, False),
            {"put_HWndOwner", [](Scenario& s) { Colour o{s.f.sim}; s.start(); o.HWndOwner(kOwner); return std::string(); },
             raisesOnOwnerTest(eErrColourDialog_InvalidWindowHandle), {}},
            {"Init", [](Scenario& s) { Colour o{s.f.sim}; s.start(); o.Init(0xFF, u"t", kOwner, 0); return std::string(); },
             raisesOnOwnerTest(eErrColourDialog_InvalidWindowHandle), {}},
            {"Show", [](Scenario& s) {
                 Colour o{s.f.sim};
                 o.DialogTitle(u"Pick");
                 s.f.sim.colourUser = [](ChooseColorRecord& rec, WindowHandle) {
                     rec.rgbResult = 0x00AABBCC;
                     return true;
                 };
                 s.start();
                 std::string shown = text(o.Show());
                 return shown + " " + text(o.SelectedColour());
             },
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "ChooseColorA") e.result = text(False) + " -1";
             }, {}},
        }},
        {"clsZqPickerPrintDialogA", class_constant::PrintDialog, {
            GET(Print, Copies), PUT(Print, Copies, 2), GET(Print, Flags), PUT(Print, Flags, 0x100),
            GET(Print, FromPage), PUT(Print, FromPage, 1), GET(Print, HDC), PUT(Print, HDC, 7), GET(Print, HWndOwner),
            GET(Print, Max), PUT(Print, Max, 9), GET(Print, Min), PUT(Print, Min, 1), GET(Print, PrintRange),
            PUT(Print, PrintRange, 1), GET(Print, ToPage), PUT(Print, ToPage, 3),
            {"put_HWndOwner", [](Scenario& s) { Print o{s.f.sim}; s.start(); o.HWndOwner(kOwner); return std::string(); },
             raisesOnOwnerTest(eErrPrintDialog_InvalidWindowHandle), {}},
            {"Init", [](Scenario& s) { Print o{s.f.sim}; s.start(); o.Init(kOwner, 0x100); return std::string(); },
             raisesOnOwnerTest(eErrPrintDialog_InvalidWindowHandle), {}},
            {"Show", [](Scenario& s) {
                 Print o{s.f.sim};
                 s.f.sim.printUser = [&s](PrintDlgRecord& rec) {
                     rec.hDevMode = s.f.sim.addGlobalBlock();
                     rec.hDevNames = s.f.sim.addGlobalBlock();
                     rec.nCopies = 4;
                     return true;
                 };
                 s.start();
                 std::string shown = text(o.Show());
                 return shown + " " + text(o.Copies());
             },
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "PrintDlgA") e.result = text(False) + " 1";
             }, {}},
        }},
        {"clsZqPickerFontDialogA", class_constant::FontDialog, {
            GET(Font, CenterDialog), PUT(Font, CenterDialog, False), GET(Font, Colour), PUT(Font, Colour, 0xFF),
            GET(Font, DialogTitle), PUT(Font, DialogTitle, u"t"), GET(Font, Flags), PUT(Font, Flags, 1),
            GET(Font, Font), PUT(Font, Font, s.font()), GET(Font, FontType), PUT(Font, FontType, 0x100),
            GET(Font, HWndOwner), GET(Font, Max), PUT(Font, Max, 72), GET(Font, Min), PUT(Font, Min, 8),
            GET(Font, Style), PUT(Font, Style, 1),
            {"put_HWndOwner", [](Scenario& s) { Font o{s.f.sim}; s.start(); o.HWndOwner(kOwner); return std::string(); },
             raisesOnOwnerTest(eErrFontDialog_InvalidWindowHandle), {}},
            {"Init", [](Scenario& s) { Font o{s.f.sim}; s.start(); o.Init(s.font(), u"t", kOwner, 0); return std::string(); },
             raisesOnOwnerTest(eErrFontDialog_InvalidWindowHandle), {}},
            {"Show", [](Scenario& s) {
                 Font o{s.f.sim};
                 auto font = s.font();
                 o.Font(font);
                 o.Flags(eFontFlag_PrinterFonts);
                 o.DialogTitle(u"Pick");
                 s.f.sim.fontUser = [](ChooseFontRecord& rec, LogFontRecord& lf, WindowHandle) {
                     rec.iPointSize = 120;
                     lf.lfWeight = 700;
                     lf.lfFaceName = {'D', 'e', 'j', 'a', 'V', 'u'};
                     return true;
                 };
                 s.start();
                 std::string shown = text(o.Show());
                 return shown + " " + narrow(font->Name);
             },
             // A failure in the read-back after the dialog makes Show False; the face-name conversion
             // before it reports as its own procedure.
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "ToAnsi") e.reports = {narrow(class_constant::FontDialog) + ".StrToBytes " + hex(kFirstFault)};
                 if (c.operation == "ChooseFontA") e.result = text(False) + " MS Sans Serif";
                 if (c.operation.rfind("Font.put ", 0) == 0 || c.operation == "FromAnsi") {
                     bool nameKept = c.operation == "Font.put Name" || c.operation == "FromAnsi";
                     e.result = text(False) + (nameKept ? " MS Sans Serif" : " DejaVu");
                 }
             }, {},
             // The conversion's report failing ends that procedure: Show, its caller, reports it and goes on.
             [](const sim::LoggedCall& first, const sim::LoggedCall&, Outcome& e) {
                 if (first.operation == "ToAnsi") e = {"returns", text(True) + " DejaVu", {narrow(class_constant::FontDialog) + ".Show " + hex(kReportFault)}};
             }},
            {"Show", [](Scenario& s) {
                 Font o{s.f.sim};
                 s.f.sim.stdFontFactory = [&s] { return s.font(); };
                 s.start();
                 return text(o.Show());
             },
             // Without the new font object, every step that reads it fails and reports too.
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "NewStdFont")
                     for (int i = 0; i < 7; ++i)
                         e.reports.push_back(narrow(class_constant::FontDialog) + ".Show " + hex(runtime_error::ObjectNotSet));
                 if (c.operation == "ToAnsi") e.reports = {narrow(class_constant::FontDialog) + ".StrToBytes " + hex(kFirstFault)};
             }, "a new standard font",
             [](const sim::LoggedCall& first, const sim::LoggedCall&, Outcome& e) {
                 if (first.operation == "ToAnsi") e = {"returns", text(False), {narrow(class_constant::FontDialog) + ".Show " + hex(kReportFault)}};
             }},
        }},
        {"clsZqPickerFileOpenSaveA", class_constant::FileOpenSave, {
            GET(File, hInst), PUT(File, hInst, 1), GET(File, BuddyObject), PUTREF(File, BuddyObject, s.font()),
            GET(File, CenterDialog), PUT(File, CenterDialog, True), GET(File, DefaultExt), PUT(File, DefaultExt, u"txt"),
            GET(File, ShowPreview), GET(File, DefaultFilter), PUT(File, DefaultFilter, 2), GET(File, DialogTitle),
            PUT(File, DialogTitle, u"t"), GET(File, FileCount), GET(File, FileName), PUT(File, FileName, u"a.txt"),
            GET(File, FileTitle), PUT(File, FileTitle, u"a"), GET(File, Filter), PUT(File, Filter, u"All|*.*"),
            GET(File, Flags), PUT(File, Flags, 0x80000), GET(File, HWndOwner), GET(File, InitialDir),
            PUT(File, InitialDir, u"C:\\"), GET(File, MaxFileSize), PUT(File, MaxFileSize, 260), GET(File, SelectedPath),
            PUT(File, PreviewObject, s.font()),
            {"put_HWndOwner", [](Scenario& s) { File o{s.f.sim}; s.start(); o.HWndOwner(kOwner); return std::string(); },
             raisesOnOwnerTest(eErrFileOpenSaveDialog_InvalidWindowHandle), {}},
            PUT(File, ShowPreview, True),
            {"Init", [](Scenario& s) {
                 File o{s.f.sim};
                 s.start();
                 o.Init(u"All|*.*", 1, u"C:\\", u"a.txt", u"t", kOwner, 0, False, nullptr);
                 return std::string();
             },
             raisesOnOwnerTest(eErrFileOpenSaveDialog_InvalidWindowHandle), {}},
            {"Show", [](Scenario& s) {
                 File o{s.f.sim};
                 o.Flags(eFileOpenSaveFlag_AllowMultiselect);
                 o.Filter(u"Text|*.txt|All|*.*");
                 s.f.sim.fileUser = [](OpenFileNameRecord& rec, WindowHandle) {
                     using namespace std::string_literals;
                     return sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, u"C:\\Data\0a.txt\0b.txt\0"s);
                 };
                 s.start();
                 std::string shown = text(o.Show(eDialogType_OpenFile));
                 return shown + " " + text(o.FileCount()) + " " + text(o.GetNextFileName(2));
             },
             // A dialog that fails is reported and changes nothing.
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "GetOpenFileNameA") e.result = text(False) + " 0 \"\"";
             }, {}},
            {"Show", [](Scenario& s) {
                 File o{s.f.sim};
                 o.CenterDialog(True);
                 o.DefaultExt(u"txt");
                 s.f.sim.fileUser = [](OpenFileNameRecord& rec, WindowHandle) {
                     return sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, u"C:\\Data\\new.txt");
                 };
                 s.start();
                 std::string shown = text(o.Show(eDialogType_SaveFile));
                 return shown + " " + text(o.FileName());
             },
             // The centring runs in the dialog's hook: its failures are not reported.
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "GetSaveFileNameA") e.result = text(False) + " \"\"";
             }, "save, centred"},
            {"Show", [](Scenario& s) {
                 // The explorer hook lays out a preview pane, reports a highlighted file and hands the
                 // window back; the notifications go to a sender whose calls are swept as well.
                 auto sender = std::make_shared<test::RecordingObject>();
                 sender->platformLog = &s.f.sim;
                 sender->label = "Sender";
                 File o{s.f.sim, [sender] { return Object(sender); }};
                 o.Flags(eFileOpenSaveFlag_Explorer | eFileOpenSaveFlag_EnableHook);
                 o.ShowPreview(True);
                 o.PreviewObject(s.preview());
                 s.f.sim.fileUser = [&s](OpenFileNameRecord& rec, WindowHandle) {
                     s.f.sim.highlight("C:\\Pictures\\photo.bmp");
                     return sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, u"C:\\Pictures\\photo.bmp");
                 };
                 s.start();
                 std::string shown = text(o.Show(eDialogType_OpenFile));
                 return shown + " " + text(o.FileName());
             },
             [](const sim::LoggedCall& c, Outcome& e) {
                 if (c.operation == "GetOpenFileNameA") e.result = text(False) + " \"\"";
             }, "explorer, preview pane"},
            {"FarProc", [](Scenario& s) { File o{s.f.sim}; s.start(); return text(o.FarProc(0x1234)); }, {}, {}},
            {"GetNextFileName", [](Scenario& s) { File o{s.f.sim}; o.FileName(u"a"); s.start(); return text(o.GetNextFileName(1)); }, {}, {}},
        }},
        {"clsZqChooser10A", u"", {
            {"get_GetProStdProperties", [](Scenario& s) { Root o{s.f.sim}; s.start(); return std::string(o.GetProStdProperties() ? "object" : "none"); }, reachesClient, {}},
            {"get_GetProResStrings", [](Scenario& s) { Root o{s.f.sim}; s.start(); return text(o.GetProResStrings(101)); }, reachesClient, {}},
            {"get_GetProResPicture", [](Scenario& s) { Root o{s.f.sim}; s.start(); return std::string(o.GetProResPicture(101, 0) ? "picture" : "none"); }, reachesClient, {}},
            {"get_GetProResData", [](Scenario& s) { Root o{s.f.sim}; s.start(); return std::to_string(o.GetProResData(101, Variant(std::int32_t{10})).size()); }, reachesClient, {}},
            {"About", [](Scenario& s) {
                 s.f.sim.registerClass(u"ZqPillar10.clsZqPillar10A", [] { return std::make_shared<test::RecordingObject>(); });
                 Root o{s.f.sim};
                 s.start();
                 return text(o.About());
             },
             // The framework call reports for itself, also its call on the object it could not make,
             // and About still returns 0.
             [](const sim::LoggedCall& c, Outcome& e) {
                 const std::string about = narrow(class_constant::FrameworkCalls) + ".AppAboutZqfx_Pro ";
                 e.reports = {about + hex(kFirstFault)};
                 if (c.operation == "CreateObject") e.reports.push_back(about + hex(runtime_error::ObjectNotSet));
                 if (c.operation == "LibraryPath") reachesClient(c, e);
             }, {}},
            {"get_BuddyObjectGlobal", [](Scenario& s) { Root o{s.f.sim}; s.start(); return std::string(o.BuddyObjectGlobal() ? "object" : "none"); }, reachesClient, {}},
            {"putref_BuddyObjectGlobal", [](Scenario& s) { Root o{s.f.sim}; s.start(); o.BuddyObjectGlobal(s.font()); o.BuddyObjectGlobal(nullptr); return std::string(); }, reachesClient, {}},
        }},
        {"clsZqPickerFilePpsA", u"", {
            {"ShowProperties", [](Scenario& s) { Pps o{s.f.sim}; s.start(); return text(o.ShowProperties(u"C:\\a.txt", kOwner)); }, reachesClient, {}},
            {"ShowProperties", [](Scenario& s) {
                 Pps o{s.f.sim};
                 s.f.sim.shellUser = [&s](ShellExecuteInfoRecord& rec) {
                     rec.hInstApp = 42;
                     rec.hProcess = s.f.sim.addProcessHandle();
                     return true;
                 };
                 s.start();
                 return text(o.ShowProperties(u"C:\\a.txt", kOwner));
             }, reachesClient, "a process handle to close"},
            {"DisplayFileProperties", [](Scenario& s) { Pps o{s.f.sim}; s.start(); o.DisplayFileProperties(kOwner, u"C:\\a.txt"); return std::string(); }, reachesClient, {}},
            {"ShowAbout", [](Scenario& s) { Pps o{s.f.sim}; s.start(); o.ShowAbout(kOwner, u"App", u"Text"); return std::string(); }, reachesClient, {}},
            {"FarProc", [](Scenario& s) { File o{s.f.sim}; s.start(); return text(o.FarProc(0x401000)); }, reachesClient, {}},
        }},
    };
}

bool IsRelease(const std::string& operation) {
    return operation == "LocalFree" || operation == "GlobalFree" || operation == "CoTaskMemFree" ||
           operation == "DeleteDC" || operation == "CloseHandle";
}

struct Observed {
    Outcome outcome;
    std::vector<sim::LoggedCall> log;
    std::vector<std::string> leaks;
};

Observed RunOnce(const MemberSweep& member, std::vector<Fault> faults) {
    Scenario s;
    s.faults = std::move(faults);
    Observed seen;
    try {
        seen.outcome = {"returns", member.run(s), {}};
    } catch (const Raised& r) {
        seen.outcome = {"raises", hex(r.info().number), {}};
    } catch (const Failure& failure) {
        seen.outcome = {"client error", hex(failure.info().number), {}};
    }
    for (const auto& call : s.f.reportCalls()) {
        std::int32_t number = 0;
        if (auto* error = std::get_if<Object>(&call.args[1].value); error && *error)
            number = std::get<std::int32_t>((*error)->get(u"Number"));
        seen.outcome.reports.push_back(narrow(std::get<String>(call.args[3].value)) + " " + hex(number));
    }
    seen.log = s.f.sim.log();
    seen.leaks = s.f.sim.accountingFaults();
    return seen;
}

std::string Qualified(const ClassSweep& c, const std::string& member) {
    std::string procedure = member;
    for (const char* prefix : {"get_", "putref_", "put_"})
        if (procedure.rfind(prefix, 0) == 0) procedure = procedure.substr(std::string(prefix).size());
    return narrow(c.classConstant) + "." + procedure;
}

struct SweepFigures {
    int members = 0;
    int runs = 0;
    int faults = 0;
    int reportPathFaults = 0;
    std::set<std::string> operations;
    std::map<std::string, std::set<std::string>> membersByClass;
};

SweepFigures& Figures() {
    static SweepFigures figures;
    return figures;
}

void ExpectEverythingSwept();

// ---- coverage ------------------------------------------------------------------------------------------

std::string ReadSource(const std::string& path) {
    std::ifstream in(std::string(CHOOSER_SOURCE_DIR) + "/" + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The members of each class's default interface: "get_X", "put_X", "putref_X" or the method's name.
std::map<std::string, std::set<std::string>> InterfaceMembers() {
    const std::string idl = ReadSource("src/com/chooser10.idl");
    std::map<std::string, std::set<std::string>> out;
    const std::regex block(R"(interface _(cls\w+) : IDispatch\s*\{([^}]*)\})");
    const std::regex member(R"(\[([^\]]*)\]\s*HRESULT\s+(\w+)\s*\()");
    for (std::sregex_iterator b(idl.begin(), idl.end(), block), end; b != end; ++b) {
        const std::string body = (*b)[2];
        for (std::sregex_iterator m(body.begin(), body.end(), member); m != end; ++m) {
            const std::string attributes = (*m)[1];
            std::string prefix = attributes.find("propputref") != std::string::npos ? "putref_"
                                 : attributes.find("propput") != std::string::npos  ? "put_"
                                 : attributes.find("propget") != std::string::npos  ? "get_"
                                                                                    : "";
            out[(*b)[1]].insert(prefix + std::string((*m)[2]));
        }
    }
    return out;
}

// The members each class's adapter answers as not built yet.
std::map<std::string, std::set<std::string>> MembersNotBuilt() {
    std::map<std::string, std::set<std::string>> out;
    for (const char* file : {"root_object", "folder_browser", "colour_dialog", "file_dialog", "file_properties",
                             "font_dialog", "print_dialog", "advanced", "general"}) {
        const std::string source = ReadSource(std::string("src/com/classes/") + file + ".cpp");
        std::smatch cls;
        if (!std::regex_search(source, cls, std::regex(R"(DualObject<_(cls\w+))"))) continue;
        const std::regex method(R"(STDMETHODIMP\s+(\w+)\s*\()");
        std::vector<std::pair<std::size_t, std::string>> starts;
        for (std::sregex_iterator m(source.begin(), source.end(), method), end; m != end; ++m)
            starts.emplace_back(m->position(), (*m)[1]);
        for (std::size_t i = 0; i < starts.size(); ++i) {
            std::size_t stop = i + 1 < starts.size() ? starts[i + 1].first : source.size();
            if (source.substr(starts[i].first, stop - starts[i].first).find("notAvailable(") != std::string::npos)
                out[cls[1]].insert(starts[i].second);
        }
    }
    return out;
}

// Fails when the interface offers a built member the table does not sweep, or the platform an operation
// no run failed.
void ExpectEverythingSwept() {
    const auto notBuilt = MembersNotBuilt();
    const auto interfaces = InterfaceMembers();
    ASSERT_GE(interfaces.size(), 7u) << "the interfaces were not found in the type library's source";
    int built = 0;
    for (const auto& [cls, members] : interfaces) {
        auto missing = notBuilt.find(cls);
        auto swept = Figures().membersByClass.find(cls);
        for (const auto& member : members) {
            bool isBuilt = missing == notBuilt.end() || !missing->second.count(member);
            bool isSwept = swept != Figures().membersByClass.end() && swept->second.count(member);
            if (isBuilt) ++built;
            if (isBuilt && !isSwept)
                ADD_FAILURE() << cls << "." << member << " is built but not swept: add it to Classes() in "
                              << "tests/unit/fault_sweep_test.cpp";
            if (!isBuilt && isSwept) ADD_FAILURE() << cls << "." << member << " is swept but its adapter says not built";
        }
    }
    // Every operation the platform offers is failed by at least one run.
    const std::string platform = ReadSource("src/platform/platform.h");
    const std::regex operation(R"(virtual\s+[^;=(]*?[\s\*&]\(?(\w+)\)?\()");
    int operations = 0;
    for (std::sregex_iterator m(platform.begin(), platform.end(), operation), end; m != end; ++m) {
        ++operations;
        EXPECT_TRUE(Figures().operations.count((*m)[1])) << (*m)[1] << " is called by no swept member";
    }
    EXPECT_GE(operations, 20) << "the platform's operations were not found";
    std::printf("fault sweep covers %d built members of %zu interfaces and %d platform operations\n", built,
                interfaces.size(), operations);
}

TEST(FaultSweep, EveryCallOfEveryMemberFailsAsTheErrorModelSaysAndReleasesEverythingOnce) {
    SweepFigures& figures = Figures();
    for (const ClassSweep& cls : Classes()) {
        for (const MemberSweep& member : cls.members) {
            SCOPED_TRACE(cls.name + "." + member.member + (member.scenario.empty() ? "" : " (" + member.scenario + ")"));
            figures.membersByClass[cls.name].insert(member.member);
            ++figures.members;
            const Observed baseline = RunOnce(member, {});
            ++figures.runs;
            EXPECT_TRUE(baseline.leaks.empty()) << ::testing::PrintToString(baseline.leaks);
            EXPECT_TRUE(baseline.outcome.reports.empty()) << "without a failure nothing is reported: " << baseline.outcome;

            for (const sim::LoggedCall& call : baseline.log) {
                SCOPED_TRACE("failing call " + std::to_string(call.nth) + " of " + call.operation);
                figures.operations.insert(call.operation);
                ++figures.faults;
                Outcome expected = baseline.outcome;
                if (!call.inDialog && !IsRelease(call.operation)) {
                    expected.reports = {Qualified(cls, member.member) + " " + hex(kFirstFault)};
                    if (member.onFault) member.onFault(call, expected);
                }
                const Fault first{call.operation, call.nth, kFirstFault};
                const Observed faulted = RunOnce(member, {first});
                ++figures.runs;
                EXPECT_EQ(faulted.outcome, expected);
                EXPECT_TRUE(faulted.leaks.empty()) << ::testing::PrintToString(faulted.leaks);

                if (faulted.outcome.reports.empty()) continue;
                // The report path: from the failing call to the framework's handler receiving the report.
                auto failing = std::find_if(faulted.log.begin(), faulted.log.end(), [&](const sim::LoggedCall& c) {
                    return c.operation == call.operation && c.nth == call.nth;
                });
                ASSERT_NE(failing, faulted.log.end());
                auto delivered = std::find_if(failing, faulted.log.end(), [](const sim::LoggedCall& c) {
                    return c.operation == "ErrorHandler.ErrorHandlerMessageZq";
                });
                ASSERT_NE(delivered, faulted.log.end()) << "a report that never reached the framework";
                for (auto step = failing + 1; step <= delivered; ++step) {
                    SCOPED_TRACE("and call " + std::to_string(step->nth) + " of " + step->operation + " in its report");
                    figures.operations.insert(step->operation);
                    ++figures.reportPathFaults;
                    const Observed broken = RunOnce(member, {first, {step->operation, step->nth, kReportFault}});
                    ++figures.runs;
                    Outcome brokenExpected{"client error", hex(kReportFault), {}};
                    if (member.onReportFault) member.onReportFault(call, *step, brokenExpected);
                    EXPECT_EQ(broken.outcome, brokenExpected) << "a failing report ends the member and reaches the client";
                    EXPECT_TRUE(broken.leaks.empty()) << ::testing::PrintToString(broken.leaks);
                }
            }
        }
    }
    std::printf("fault sweep: %d member runs, %d calls failed one at a time, %d report-path calls failed, "
                "%d runs, %zu distinct operations\n",
                figures.members, figures.faults, figures.reportPathFaults, figures.runs, figures.operations.size());
    ExpectEverythingSwept();
}

}  // namespace
}  // namespace cz

// The explorer hook's preview pane: the notifications it delivers and in which order, the pane it lays
// out below the file list, the window it hands back when the dialog closes, the path it asks the dialog
// for (also one too long for the first buffer), and how the file dialog object passes a notification
// on to its buddy or its event.
#include <gtest/gtest.h>

#include "fakes.h"
#include "file/explorer_hook.h"
#include "file/file_dialog.h"
#include "frame/hook_state.h"

namespace cz {
namespace {

using Delivery = std::pair<String, String>;
constexpr std::int32_t kExplorerWithHook = eFileOpenSaveFlag_Explorer | eFileOpenSaveFlag_EnableHook;
constexpr WindowHandle kPreviewWindow = 0x30001;
constexpr WindowHandle kPreviewHome = 0x30002;  // the window the preview window lives in on its form

class PreviewPane : public ::testing::Test {
protected:
    void SetUp() override {
        hookState() = HookState{};
        f.sim.addWindow(kPreviewHome, {0, 0, 640, 480});
        f.sim.addWindow(kPreviewWindow, {10, 10, 210, 130}, kPreviewHome);  // client height 120
        auto home = std::make_shared<test::RecordingObject>();
        home->properties[u"hwnd"] = kPreviewHome;
        preview->properties[u"hwnd"] = kPreviewWindow;
        preview->properties[u"Parent"] = Object(home);
    }
    void TearDown() override { hookState() = HookState{}; }

    // A file dialog object whose notifications reach `sender`, as the library's own object would.
    clsZqPickerFileOpenSaveA make(bool showPreview = true, bool withPreviewObject = true) {
        clsZqPickerFileOpenSaveA file{f.sim, [this] { return Object(sender); }};
        file.Init(u"All|*.*", 1, u"", u"", u"", 0, kExplorerWithHook, toBool(showPreview),
                  withPreviewObject ? Object(preview) : Object());
        return file;
    }
    // Shows the open dialog while `user` acts in it.
    void showWhile(clsZqPickerFileOpenSaveA& file, std::function<void()> user) {
        f.sim.fileUser = [user](OpenFileNameRecord&, WindowHandle) {
            user();
            return false;
        };
        file.Show(eDialogType_OpenFile);
    }
    std::vector<Delivery> deliveries() const {
        std::vector<Delivery> out;
        for (const auto& call : sender->calls) {
            EXPECT_EQ(call.name, u"RaisePreviewItemChanged");
            EXPECT_EQ(call.args.size(), 2u);
            if (call.args.size() == 2)
                out.emplace_back(std::get<String>(call.args[0].value), std::get<String>(call.args[1].value));
        }
        return out;
    }
    const Delivery kNothing{u"", u""};

    test::Fixture f;
    std::shared_ptr<test::RecordingObject> sender = std::make_shared<test::RecordingObject>();
    std::shared_ptr<test::RecordingObject> preview = std::make_shared<test::RecordingObject>();
};

TEST_F(PreviewPane, ASelectionIsHeardAsNothingTwiceThenThePathAndItsExtension) {
    clsZqPickerFileOpenSaveA file = make();
    showWhile(file, [&] {
        sender->calls.clear();  // what the start delivered is checked elsewhere
        f.sim.highlight("C:\\Pictures\\photo.bmp");
        EXPECT_EQ(deliveries(), (std::vector<Delivery>{kNothing, kNothing, {u"C:\\Pictures\\photo.bmp", u"bmp"}}));
        sender->calls.clear();
        f.sim.highlight("C:\\Pictures\\photo.jpeg");
        EXPECT_EQ(deliveries(), (std::vector<Delivery>{kNothing, kNothing, {u"C:\\Pictures\\photo.jpeg", u""}}));
        sender->calls.clear();
        f.sim.notifyFileHook(-603);  // CDN_FOLDERCHANGE
        EXPECT_EQ(deliveries(), std::vector<Delivery>{kNothing}) << "any other notification";
    });
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(PreviewPane, WithoutThePreviewEveryNotificationIsNothingAndNoPathIsAskedFor) {
    f.sim.setDesktopRect({0, 0, 1024, 768});
    clsZqPickerFileOpenSaveA file = make(false);
    file.CenterDialog(True);
    showWhile(file, [&] { f.sim.highlight("C:\\Pictures\\photo.bmp"); });
    EXPECT_EQ(deliveries(), (std::vector<Delivery>{kNothing, kNothing})) << "CDN_INITDONE, CDN_SELCHANGE; none at the close";
    EXPECT_EQ(f.sim.count("GetDlgItem"), 0);
    for (const auto& m : f.sim.sentMessages) EXPECT_NE(m.message, msg::GetFilePath);
    EXPECT_EQ(f.sim.window(kPreviewWindow)->parent, kPreviewHome);
    const Rect shown = f.sim.fileDialogs[0].shown.rect;
    EXPECT_EQ(shown.left, (1024 - 400) / 2) << "still centred";
}

// File list 400 x 180, preview client height 120: the pane goes to (5, 284), 405 x 115, and the dialog
// grows by 120.
TEST_F(PreviewPane, ThePaneGoesBelowTheFileListAndTheDialogGrowsByItsHeight) {
    f.sim.nextDialogRect = {100, 50, 600, 450};
    clsZqPickerFileOpenSaveA file = make();
    WindowHandle dialog = 0;
    showWhile(file, [&] {
        dialog = f.sim.window(kPreviewWindow)->parent;
        EXPECT_EQ(f.sim.window(dialog)->rect, (Rect{100, 50, 600, 570}));
        EXPECT_EQ(f.sim.window(kPreviewWindow)->rect, (Rect{5, 284, 5 + 405, 284 + 115}));
        EXPECT_TRUE(f.sim.window(kPreviewWindow)->visible);
    });
    EXPECT_EQ(dialog, f.sim.fileDialogs[0].dialog) << "the dialog box, not the hook's child";
    ASSERT_TRUE(std::holds_alternative<std::int16_t>(preview->properties[u"ScaleMode"]));
    EXPECT_EQ(std::get<std::int16_t>(preview->properties[u"ScaleMode"]), 1);
    EXPECT_EQ(f.sim.placementLengths, (std::vector<std::uint32_t>{44, 44}));
    EXPECT_EQ(f.sim.showCommands,
              (std::vector<std::pair<WindowHandle, std::int32_t>>{{kPreviewWindow, kShowNormal}, {kPreviewWindow, kShowHide}}));
    EXPECT_EQ(deliveries().front(), kNothing) << "CDN_INITDONE is delivered too";
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(PreviewPane, AtTheCloseTheWindowIsHiddenAndGoesBackToItsFormerParent) {
    clsZqPickerFileOpenSaveA file = make();
    showWhile(file, [&] { sender->calls.clear(); });
    EXPECT_EQ(deliveries(), std::vector<Delivery>{kNothing});
    const sim::Window* window = f.sim.window(kPreviewWindow);
    EXPECT_EQ(window->parent, kPreviewHome);
    EXPECT_FALSE(window->visible);
    EXPECT_EQ(window->rect, (Rect{5, 284, 5 + 405, 284 + 115})) << "size and place stay as the layout left them";
}

TEST_F(PreviewPane, WithoutAPreviewObjectThereIsNoPaneButSelectionsAreReported) {
    clsZqPickerFileOpenSaveA file = make(true, false);
    showWhile(file, [&] { f.sim.highlight("C:\\a\\b.ico"); });
    EXPECT_EQ(deliveries(), (std::vector<Delivery>{kNothing, kNothing, kNothing, {u"C:\\a\\b.ico", u"ico"}, kNothing}));
    EXPECT_EQ(f.sim.count("SetParent"), 0);
    EXPECT_EQ(f.sim.count("SetWindowPlacement"), 0);
    EXPECT_EQ(f.sim.window(kPreviewWindow)->parent, kPreviewHome);
}

TEST_F(PreviewPane, APathLongerThanTheFirstBufferReachesTheClientWhole) {
    const std::string folder = "C:\\" + std::string(300, 'd');
    clsZqPickerFileOpenSaveA file = make();
    showWhile(file, [&] {
        for (std::size_t length : {254u, 255u, 256u, 400u}) {
            std::string path = folder.substr(0, length - 4) + ".bmp";
            sender->calls.clear();
            f.sim.highlight(path);
            ASSERT_EQ(deliveries().size(), 3u);
            EXPECT_EQ(deliveries()[2], (Delivery{String(path.begin(), path.end()), u"bmp"})) << length << " bytes";
        }
    });
}

TEST_F(PreviewPane, ThePathIsCutAtTheDialogsLengthAndAtItsFirstNulAndAFailedAskGivesNothing) {
    clsZqPickerFileOpenSaveA file = make();
    showWhile(file, [&] {
        sender->calls.clear();
        f.sim.highlight("C:\\a\\photo.bmp", 5);  // the dialog says 4 characters
        EXPECT_EQ(deliveries().back(), (Delivery{u"C:\\a", u""}));
        sender->calls.clear();
        f.sim.highlight("C:\\a\\b.gif", 200);  // more than it wrote: only what it wrote counts
        EXPECT_EQ(deliveries().back(), (Delivery{u"C:\\a\\b.gif", u"gif"}));
        sender->calls.clear();
        f.sim.highlight("");  // the message fails
        EXPECT_EQ(deliveries(), (std::vector<Delivery>{kNothing, kNothing, kNothing}));
    });
    EXPECT_TRUE(f.reportCalls().empty());
}

TEST_F(PreviewPane, AZeroWindowReturnsAtOnceAndFailingStepsAreSkipped) {
    HookPlatformScope hooks{f.sim};
    hookState().PreviewSender = sender;
    f.sim.clearCalls();
    NotifyHeader header{0, 0, msg::FileSelectionChanged};
    EXPECT_EQ(FileExplorerHookProc(0, msg::Notify, 0, sim::SimPlatform::notification(header)), 0u);
    EXPECT_TRUE(f.sim.calls().empty());
    EXPECT_TRUE(sender->calls.empty());

    // A header that cannot be read and a sender that fails: every step still runs, nothing escapes.
    sender->failCalls = ErrorInfo{runtime_error::Overflow, u"x", u"y"};
    hookState().PreviewEnabled = True;
    f.sim.failNext("ReadNotifyHeader", test::someFailure());
    EXPECT_EQ(FileExplorerHookProc(0x40001, msg::Notify, 0, 0), 0u);
    EXPECT_EQ(sender->calls.size(), 1u) << "the delivery after the failed read still happened";
    EXPECT_EQ(FileExplorerHookProc(0x40001, msg::Destroy, 0, 0), 0u);
    EXPECT_EQ(sender->calls.size(), 2u);
    EXPECT_TRUE(f.reportCalls().empty());
}

// Under the sanitizers a delivery through the module state's own reference would be a use after free.
TEST_F(PreviewPane, AHandlerThatDropsTheSenderDuringADeliveryDoesNotPullItAway) {
    struct Dropping : test::RecordingObject {
        Variant call(std::u16string_view name, std::vector<Arg>& args) override {
            hookState().PreviewSender = nullptr;  // the last reference besides the delivery's own
            return RecordingObject::call(name, args);
        }
    };
    clsZqPickerFileOpenSaveA file = make();
    std::weak_ptr<Dropping> watched;
    showWhile(file, [&] {
        auto dropping = std::make_shared<Dropping>();
        watched = dropping;
        hookState().PreviewSender = dropping;
        dropping.reset();
        f.sim.highlight("C:\\x.bmp");
        EXPECT_FALSE(hookState().PreviewSender);
    });
    EXPECT_TRUE(watched.expired()) << "released once the delivery ended";
}

// The object's side: a buddy hears the notification instead of the event, chosen anew each time.
TEST(PreviewDelivery, TheBuddyTakesPrecedenceAndAFailingBuddyOrHandlerIsSilent) {
    test::Fixture f;
    std::vector<Delivery> events;
    clsZqPickerFileOpenSaveA file{f.sim, {}, [&](const String& a, const String& b) { events.emplace_back(a, b); }};
    String name = u"C:\\p.bmp", title = u"bmp";
    file.RaisePreviewItemChanged(name, title);
    EXPECT_EQ(events, (std::vector<Delivery>{{u"C:\\p.bmp", u"bmp"}}));

    auto buddy = std::make_shared<test::RecordingObject>();
    file.BuddyObject(buddy);
    file.RaisePreviewItemChanged(name, title);
    EXPECT_EQ(events.size(), 1u) << "no event while a buddy is set";
    ASSERT_EQ(buddy->calls.size(), 1u);
    EXPECT_EQ(buddy->calls[0].name, u"clsPickerFileOpenSaveA_PreviewItemChanged");
    ASSERT_EQ(buddy->calls[0].args.size(), 2u);
    EXPECT_EQ(std::get<String>(buddy->calls[0].args[0].value), u"C:\\p.bmp");
    EXPECT_EQ(std::get<String>(buddy->calls[0].args[1].value), u"bmp");
    EXPECT_TRUE(buddy->calls[0].args[0].byRef);

    buddy->failCalls = ErrorInfo{runtime_error::NoSuchMember, u"buddy", u"no such method"};
    file.RaisePreviewItemChanged(name, title);
    EXPECT_EQ(events.size(), 1u) << "a buddy without the method: no event either";

    file.BuddyObject(nullptr);
    clsZqPickerFileOpenSaveA throwing{f.sim, {}, [](const String&, const String&) { throw test::someFailure(); }};
    throwing.RaisePreviewItemChanged(name, title);
    file.RaisePreviewItemChanged(name, title);
    EXPECT_EQ(events.size(), 2u) << "the event again once the buddy is gone";
    EXPECT_TRUE(f.reportCalls().empty());
}

}  // namespace
}  // namespace cz

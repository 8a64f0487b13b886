// The explorer hook's preview pane with any input: a highlighted path of any bytes (NULs and bytes of
// the upper half too) and any length the dialog claims for it, any file list and preview window
// rectangles. The hook never fails; the path the client hears is what the dialog wrote, cut at the
// claimed length and at the first NUL, with the extension SplitFileExtension gives it; the window goes
// back to its own parent.
#include "fakes.h"
#include "file/explorer_hook.h"
#include "file/file_dialog.h"
#include "file/split_file_extension.h"
#include "frame/hook_state.h"
#include "fuzz_input.h"

using namespace cz;
using namespace cz::fuzz;

namespace {

// The path the client must hear: what the dialog wrote, within the claimed length, to the first NUL.
std::string Expected(const std::string& path, std::intptr_t claimed) {
    if (path.empty() || claimed < 1) return std::string();
    std::string written = path.substr(0, std::min<std::size_t>(path.size(), static_cast<std::size_t>(claimed - 1)));
    return written.substr(0, written.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    test::Fixture f;
    hookState() = HookState{};
    f.sim.doubleByteCodePage = in.ConsumeBool();
    f.sim.fileListArea = AnyRect(in);
    const Rect window = AnyRect(in);
    f.sim.addWindow(0x3002, {0, 0, 640, 480});
    f.sim.addWindow(0x3001, window, 0x3002);
    auto home = std::make_shared<test::RecordingObject>();
    home->properties[u"hwnd"] = 0x3002;
    auto preview = std::make_shared<test::RecordingObject>();
    preview->properties[u"hwnd"] = 0x3001;
    preview->properties[u"Parent"] = Object(home);
    auto sender = std::make_shared<test::RecordingObject>();

    const bool claim = in.ConsumeBool();
    const std::intptr_t claimed = in.ConsumeIntegralInRange<std::intptr_t>(-5, 2000);
    const std::string path = in.ConsumeRandomLengthString(1200);
    {
        clsZqPickerFileOpenSaveA file{f.sim, [sender] { return Object(sender); }};
        file.Init(u"All|*.*", 1, u"", u"", u"", 0, eFileOpenSaveFlag_Explorer | eFileOpenSaveFlag_EnableHook, True,
                  preview);
        f.sim.fileUser = [&](OpenFileNameRecord&, WindowHandle) {
            sender->calls.clear();
            f.sim.highlight(path, claim ? std::optional<std::intptr_t>(claimed) : std::nullopt);
            FUZZ_CHECK(sender->calls.size() == 3);
            const auto& args = sender->calls[2].args;
            const String heard = std::get<String>(args[0].value);
            const String extension = std::get<String>(args[1].value);
            const std::intptr_t length = claim ? claimed : static_cast<std::intptr_t>(path.size() + 1);
            FUZZ_CHECK(heard == f.sim.FromAnsi(path.empty() ? std::string() : Expected(path, length)));
            FUZZ_CHECK(extension == SplitFileExtension(heard));
            FUZZ_CHECK(extension.size() <= 3);
            return false;
        };
        file.Show(eDialogType_OpenFile);
    }
    // The pane is placed 5 pixels from the dialog's left edge whenever its layout got that far, and the
    // window is back home at the close either way.
    FUZZ_CHECK(f.sim.window(0x3001)->parent == 0x3002);
    if (f.sim.count("MoveWindow") == 1) FUZZ_CHECK(f.sim.window(0x3001)->rect.left == 5);
    FUZZ_CHECK(f.reportCalls().empty());
    hookState() = HookState{};
    return 0;
}

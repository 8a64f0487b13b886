// The font dialog's record from any font object and any answer of the dialog, in both code pages: the
// face-name field always ends in a NUL and holds whole characters of the name's ANSI form, and the
// printer context made for the dialog is deleted once.
#include "fake_font.h"
#include "font/font_dialog.h"
#include "frame/hook_state.h"
#include "fakes.h"
#include "fuzz_input.h"
#include "platform/sim/sim_platform.h"

using namespace cz;
using namespace cz::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    hookState() = HookState{};
    sim::SimPlatform sim;
    sim.registerClass(u"ZqPillar10.clsZqfxErrorHandlerA", [] { return std::make_shared<test::RecordingObject>(); });
    sim.doubleByteCodePage = in.ConsumeBool();
    sim.twipsPerPixelY = static_cast<float>(in.ConsumeIntegralInRange(1, 40));
    auto font = std::make_shared<test::FakeFont>();
    font->Name = Text(in, 64);
    font->Size = Currency{in.ConsumeIntegral<std::int64_t>()};
    font->Bold = in.ConsumeBool() ? True : False;
    clsZqPickerFontDialogA dialog{sim};
    dialog.Font(font);
    dialog.Flags(in.ConsumeIntegral<std::int32_t>());
    dialog.Min(in.ConsumeIntegral<std::int16_t>());
    dialog.Max(in.ConsumeIntegral<std::int16_t>());
    dialog.Colour(in.ConsumeIntegral<std::int32_t>());
    dialog.DialogTitle(Text(in, 20));

    const bool confirm = in.ConsumeBool();
    const std::int32_t pointSize = in.ConsumeIntegral<std::int32_t>();
    const std::string face = in.ConsumeBytesAsString(32);
    std::string sentFace;
    sim.fontUser = [&](ChooseFontRecord& rec, LogFontRecord& lf, WindowHandle) {
        FUZZ_CHECK(rec.lStructSize == 60);
        FUZZ_CHECK(lf.lfFaceName.back() == '\0');
        sentFace.assign(lf.lfFaceName.data());
        std::copy(face.begin(), face.end(), lf.lfFaceName.begin());
        rec.iPointSize = pointSize;
        return confirm;
    };
    const String name = font->Name;
    (void)dialog.Show();
    if (!sim.fontDialogs.empty()) {
        // What was sent is a prefix of the name's whole ANSI form, and no longer than the field allows.
        const std::string whole = sim.ToAnsi(name);
        FUZZ_CHECK(sentFace.size() <= 31);
        if (whole.find('\0') == std::string::npos) FUZZ_CHECK(whole.compare(0, sentFace.size(), sentFace) == 0);
    }
    FUZZ_CHECK(sim.accountingFaults().empty());
    hookState() = HookState{};
    return 0;
}

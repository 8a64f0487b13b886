// The centring arithmetic with any rectangles: the offset of either variant, and the hook's whole move
// against a simulated desktop. An overflow must fail as the runtime's overflow, never wrap or trap.
#include "frame/centring.h"
#include "frame/hook_state.h"
#include "frame/hooks.h"
#include "fuzz_input.h"
#include "platform/sim/sim_platform.h"

using namespace cz;
using namespace cz::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::int32_t extent = in.ConsumeIntegral<std::int32_t>();
    const std::int32_t length = in.ConsumeIntegral<std::int32_t>();
    for (HalfDifference variant : {HalfDifference::Absolute, HalfDifference::Signed}) {
        const std::int64_t difference = std::int64_t{extent} - length;
        try {
            const std::int64_t offset = CentredOffset(extent, length, variant);
            FUZZ_CHECK(difference >= INT32_MIN && difference <= INT32_MAX);
            // Half the difference, rounded: never more than half a pixel away.
            const std::int64_t half = variant == HalfDifference::Absolute && difference < 0 ? -difference : difference;
            FUZZ_CHECK(2 * offset - half <= 1 && half - 2 * offset <= 1);
        } catch (const Failure& failure) {
            FUZZ_CHECK(failure.info().number == runtime_error::Overflow);
            FUZZ_CHECK(difference < INT32_MIN || difference > INT32_MAX);
        }
    }

    sim::SimPlatform sim;
    sim.setDesktopRect(AnyRect(in));
    sim.nextDialogRect = AnyRect(in);
    const bool colour = in.ConsumeBool();
    hookState().ColourCenterDialog = True;
    hookState().ColourDialogTitle = colour ? Text(in) : String();
    HookPlatformScope hooks{sim};
    const WindowHandle dialog = 0x4242;
    sim.addWindow(dialog, sim.nextDialogRect);
    const Rect before = sim.nextDialogRect;
    if (colour)
        ColourHookProc(dialog, msg::InitDialog, 0, 0);
    else
        FileHookProc(dialog, msg::InitDialog, 0, 0);
    // A move keeps the dialog's size, when the size could be measured at all (a size that overflows
    // fails its step, and the hook goes on with 0 there, as resume-next does).
    const Rect& after = sim.window(dialog)->rect;
    const std::int64_t width = std::int64_t{before.right} - before.left, height = std::int64_t{before.bottom} - before.top;
    const bool measurable = width >= INT32_MIN && width <= INT32_MAX && height >= INT32_MIN && height <= INT32_MAX;
    if (sim.count("MoveWindow") == 1 && measurable) {
        FUZZ_CHECK(static_cast<std::int32_t>(static_cast<std::uint32_t>(after.right) - static_cast<std::uint32_t>(after.left)) == width);
        FUZZ_CHECK(static_cast<std::int32_t>(static_cast<std::uint32_t>(after.bottom) - static_cast<std::uint32_t>(after.top)) == height);
    } else if (sim.count("MoveWindow") == 0) {
        FUZZ_CHECK(after == before);
    }
    hookState() = HookState{};
    return 0;
}

// The print dialog's record with any property values and any answer of the dialog: the stored flags never
// change, a cancel reads nothing back, the 16-bit fields travel bit for bit, and the device blocks are
// freed once whatever happens.
#include "fakes.h"
#include "fuzz_input.h"
#include "platform/sim/sim_platform.h"
#include "print/print_dialog.h"

using namespace cz;
using namespace cz::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    sim::SimPlatform sim;
    sim.registerClass(u"ZqPillar10.clsZqfxErrorHandlerA", [] { return std::make_shared<test::RecordingObject>(); });
    clsZqPickerPrintDialogA print{sim};
    const std::int32_t flags = in.ConsumeIntegral<std::int32_t>();
    print.Flags(flags);
    print.PrintRange(in.ConsumeIntegral<std::int32_t>());
    print.Copies(in.ConsumeIntegral<std::int16_t>());
    print.FromPage(in.ConsumeIntegral<std::int16_t>());
    print.ToPage(in.ConsumeIntegral<std::int16_t>());
    print.Min(in.ConsumeIntegral<std::int16_t>());
    print.Max(in.ConsumeIntegral<std::int16_t>());
    print.HDC(in.ConsumeIntegral<std::int32_t>());
    const std::int32_t rangeBefore = print.PrintRange();
    const std::int16_t copiesBefore = print.Copies();

    const bool confirm = in.ConsumeBool();
    PrintDlgRecord answer{};
    answer.Flags = in.ConsumeIntegral<std::uint32_t>();
    answer.nCopies = in.ConsumeIntegral<std::uint16_t>();
    answer.nFromPage = in.ConsumeIntegral<std::uint16_t>();
    answer.nToPage = in.ConsumeIntegral<std::uint16_t>();
    answer.hDC = in.ConsumeIntegral<std::int32_t>();
    const bool blocks = in.ConsumeBool();
    sim.printUser = [&](PrintDlgRecord& rec) {
        FUZZ_CHECK(rec.lStructSize == 66);
        FUZZ_CHECK((rec.Flags & 0x3F000u) == 0);  // no hook and no template bits reach the platform
        FUZZ_CHECK(rec.nCopies == static_cast<std::uint16_t>(copiesBefore));
        if (blocks) {
            rec.hDevMode = sim.addGlobalBlock();
            rec.hDevNames = sim.addGlobalBlock();
        }
        rec.Flags = answer.Flags;
        rec.nCopies = answer.nCopies;
        rec.nFromPage = answer.nFromPage;
        rec.nToPage = answer.nToPage;
        rec.hDC = answer.hDC;
        return confirm;
    };
    const Bool shown = print.Show();
    FUZZ_CHECK(shown == (confirm ? True : False));
    FUZZ_CHECK(print.Flags() == flags);
    if (confirm) {
        FUZZ_CHECK(print.Copies() == static_cast<std::int16_t>(answer.nCopies));
        FUZZ_CHECK(print.FromPage() == static_cast<std::int16_t>(answer.nFromPage));
        FUZZ_CHECK(print.ToPage() == static_cast<std::int16_t>(answer.nToPage));
        FUZZ_CHECK(print.HDC() == answer.hDC);
        FUZZ_CHECK(print.PrintRange() >= 0 && print.PrintRange() <= 2);
    } else {
        FUZZ_CHECK(print.Copies() == copiesBefore && print.PrintRange() == rangeBefore);
    }
    FUZZ_CHECK(sim.accountingFaults().empty());
    return 0;
}

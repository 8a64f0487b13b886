// The simulated ANSI conversions, both code pages: any text and any bytes convert without a fault, the
// characters a code page has come back unchanged, and a trail byte is never zero.
#include "fuzz_input.h"
#include "platform/sim/sim_platform.h"

using namespace cz;
using namespace cz::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    sim::SimPlatform sim;
    sim.doubleByteCodePage = in.ConsumeBool();
    const String text = Text(in, 200);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::string ansi = sim.ToAnsi(text);
    const String back = sim.FromAnsi(ansi);
    FUZZ_CHECK(back.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool representable = sim.doubleByteCodePage ? (c < 0x80 || (c < 0x8000 && (c & 0xFF) != 0)) : c < 0x100;
        FUZZ_CHECK(back[i] == (representable ? c : u'?'));
    }
    // Only a NUL character makes a zero byte.
    const bool hasNul = text.find(u'\0') != String::npos;
    if (!hasNul) FUZZ_CHECK(ansi.find('\0') == std::string::npos);

    const String decoded = sim.FromAnsi(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    if (!sim.doubleByteCodePage) FUZZ_CHECK(sim.ToAnsi(decoded) == bytes);
    return 0;
}

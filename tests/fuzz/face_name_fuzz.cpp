// The face-name cut with any text and any field size, in both code pages: the cut fits, is the ANSI form
// of a run of whole characters from the start (never half of a surrogate pair or of a two-byte
// character), and no longer run would fit; what the dialog writes back into the field (any bytes) reads
// as the text before its first NUL.
#include "font/face_name.h"
#include "fuzz_input.h"
#include "platform/sim/sim_platform.h"

using namespace cz;
using namespace cz::fuzz;

namespace {

// A code unit for the cut to meet: surrogates, characters the double-byte page makes two bytes of,
// characters no page has, and plain ASCII.
char16_t FaceCharacter(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: return static_cast<char16_t>(in.ConsumeIntegralInRange(0xD800, 0xDFFF));
    case 1: return static_cast<char16_t>(in.ConsumeIntegralInRange(0x80, 0x7FFF));
    case 2: return in.ConsumeIntegral<char16_t>();
    default: return static_cast<char16_t>(in.ConsumeIntegralInRange(0x20, 0x7E));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    sim::SimPlatform sim;
    sim.doubleByteCodePage = in.ConsumeBool();
    const std::size_t limit = in.ConsumeIntegralInRange<std::size_t>(0, 70);
    String text;
    const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, 80);
    for (std::size_t i = 0; i < length && in.remaining_bytes() > 0; ++i) text.push_back(FaceCharacter(in));

    const std::string cut = AnsiPrefix(sim, text, limit);
    FUZZ_CHECK(cut.size() <= limit);
    // The run of characters the cut stands for: the longest whose form it is.
    std::size_t characters = text.size();
    while (characters > 0 && sim.ToAnsi(std::u16string_view(text).substr(0, characters)) != cut) --characters;
    FUZZ_CHECK(sim.ToAnsi(std::u16string_view(text).substr(0, characters)) == cut);
    const bool splitsPair = characters > 0 && characters < text.size() && text[characters] >= 0xDC00 &&
                            text[characters] <= 0xDFFF && text[characters - 1] >= 0xD800 && text[characters - 1] <= 0xDBFF;
    FUZZ_CHECK(!splitsPair);
    // Maximal: the next whole character (a pair counts as one) would not fit.
    if (characters < text.size()) {
        std::size_t next = characters + 1;
        while (next < text.size() && text[next] >= 0xDC00 && text[next] <= 0xDFFF) ++next;
        FUZZ_CHECK(sim.ToAnsi(std::u16string_view(text).substr(0, next)).size() > limit);
    }

    // The field as the dialog leaves it: any bytes, NUL-terminated or not.
    LogFontRecord logFont{};
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    std::copy_n(bytes.begin(), std::min(bytes.size(), logFont.lfFaceName.size()), logFont.lfFaceName.begin());
    const String name = FaceName(sim, logFont);
    const std::string field(logFont.lfFaceName.data(), logFont.lfFaceName.size());
    FUZZ_CHECK(name == sim.FromAnsi(field.substr(0, field.find('\0'))));
    FUZZ_CHECK(name.find(u'\0') == String::npos);
    return 0;
}

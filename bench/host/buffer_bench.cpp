// The buffers of the file dialog: a multiple-selection result of 65,536 characters (a folder, then file
// names, each ended by a NUL, the list by a second NUL) and the filter buffer built from the "|"-separated
// Filter property. What Show does with them is measured here on the simulated platform.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "platform/sim/sim_platform.h"

namespace {

constexpr std::size_t kBufferLength = 65536;

// A full multiple-selection buffer: "C:\Pictures\2026" NUL "photo_00001.jpg" NUL ... NUL NUL, padded with NULs.
std::u16string MultipleSelection() {
    std::u16string buffer = u"C:\\Pictures\\2026";
    buffer.push_back(u'\0');
    for (int i = 1; buffer.size() + 20 < kBufferLength; ++i) {
        std::string name = "photo_" + std::to_string(100000 + i).substr(1) + ".jpg";
        buffer.append(name.begin(), name.end());
        buffer.push_back(u'\0');
    }
    buffer.resize(kBufferLength, u'\0');
    return buffer;
}

std::u16string FilterProperty() {
    return u"Pictures (*.jpg;*.png)|*.jpg;*.png|Text files (*.txt)|*.txt|Documents (*.doc;*.rtf)|*.doc;*.rtf|"
           u"All files (*.*)|*.*";
}

// The record's file buffer crosses to the ANSI code page before the call and back after it, at its full
// length: a cost every Show pays whatever the parser.
void MultipleSelectionBufferAnsiRoundTrip(benchmark::State& state) {
    cz::sim::SimPlatform platform;
    const std::u16string buffer = MultipleSelection();
    for (auto _ : state) {
        std::string ansi = platform.ToAnsi(buffer);
        cz::String back = platform.FromAnsi(ansi);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBufferLength));
}
BENCHMARK(MultipleSelectionBufferAnsiRoundTrip);

// A lower bound for any parser of the buffer: one pass with the standard library that finds each name.
void MultipleSelectionBufferScanBaseline(benchmark::State& state) {
    const std::u16string buffer = MultipleSelection();
    for (auto _ : state) {
        std::size_t names = 0;
        std::u16string_view rest(buffer);
        for (std::size_t end; !rest.empty() && rest.front() != u'\0' && (end = rest.find(u'\0')) != rest.npos;
             rest.remove_prefix(end + 1))
            ++names;
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(MultipleSelectionBufferScanBaseline);

// ---- TO BE ADDED WITH THE FILE DIALOG'S PARSERS ------------------------------------------------------------
// The file dialog's Show does not parse its buffers yet (another change builds it). When it lands, add here:
//   - MultipleSelectionBufferParse: the parse of MultipleSelection() into FileName, FileTitle, SelectedPath,
//     FileCount and the GetNextFileName list, through the class's own function;
//   - FilterBufferBuild: the filter buffer built from FilterProperty() ("|" to NUL, double NUL at the end).
// and compare each with the baseline above.
void FilterPropertyAnsi(benchmark::State& state) {
    cz::sim::SimPlatform platform;
    const std::u16string filter = FilterProperty();
    for (auto _ : state) benchmark::DoNotOptimize(platform.ToAnsi(filter).data());
}
BENCHMARK(FilterPropertyAnsi);

}  // namespace

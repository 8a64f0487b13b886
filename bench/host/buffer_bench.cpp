// The buffers of the file dialog: a multiple-selection result of 65,536 characters (a folder, then file
// names, each ended by a NUL, the list by a second NUL) and the filter buffer built from the "|"-separated
// Filter property. What Show does with them is measured here on the simulated platform.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "file/file_dialog.h"
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

// Show of a multiple-selection dialog whose user confirms the full buffer: the record with its filter,
// file and title buffers, the call, and the parse into FileName, SelectedPath, FileCount and the list
// GetNextFileName walks, through the class itself.
void MultipleSelectionShowAndParse(benchmark::State& state) {
    cz::sim::SimPlatform platform;
    const std::u16string selection = MultipleSelection();
    const std::u16string written = selection.substr(0, selection.find(std::u16string(2, u'\0')));
    platform.fileUser = [&](cz::OpenFileNameRecord& rec, cz::WindowHandle) {
        return cz::sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, written);
    };
    cz::clsZqPickerFileOpenSaveA file{platform};
    file.Filter(FilterProperty());
    file.Flags(cz::eFileOpenSaveFlag_Explorer | cz::eFileOpenSaveFlag_AllowMultiselect);
    for (auto _ : state) {
        platform.fileDialogs.clear();
        benchmark::DoNotOptimize(file.Show(cz::eDialogType_OpenFile));
    }
    if (file.FileCount() < 3000) state.SkipWithError("the selection did not come back whole");
    state.counters["files"] = file.FileCount();
}
BENCHMARK(MultipleSelectionShowAndParse);

// The same Show cancelled: the buffers built (the filter buffer among them) and nothing parsed. The
// difference to the one above is the parse.
void FilterAndFileBuffersShowCancelled(benchmark::State& state) {
    cz::sim::SimPlatform platform;
    cz::clsZqPickerFileOpenSaveA file{platform};
    file.Filter(FilterProperty());
    file.Flags(cz::eFileOpenSaveFlag_Explorer | cz::eFileOpenSaveFlag_AllowMultiselect);
    for (auto _ : state) {
        platform.fileDialogs.clear();
        benchmark::DoNotOptimize(file.Show(cz::eDialogType_OpenFile));
    }
}
BENCHMARK(FilterAndFileBuffersShowCancelled);

void FilterPropertyAnsi(benchmark::State& state) {
    cz::sim::SimPlatform platform;
    const std::u16string filter = FilterProperty();
    for (auto _ : state) benchmark::DoNotOptimize(platform.ToAnsi(filter).data());
}
BENCHMARK(FilterPropertyAnsi);

}  // namespace

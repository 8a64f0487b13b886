// The file dialog's buffers from any filter, flags and answer: the filter buffer sent is the filter with
// each bar a NUL and two NULs after it; whatever the dialog writes into the file and title buffers (NULs,
// backslashes and spaces anywhere, thousands of names) turns into a result that GetNextFileName walks
// without a fault, and the only failure ever reported is the file count's overflow.
#include <algorithm>

#include "fakes.h"
#include "file/file_dialog.h"
#include "frame/errors.h"
#include "frame/hook_state.h"
#include "fuzz_input.h"

using namespace cz;
using namespace cz::fuzz;

namespace {

// Text made mostly of the characters the buffers are parsed at, so that the interesting shapes come up
// often: NULs, backslashes, spaces; some names repeated thousands of times.
String PathText(FuzzedDataProvider& in, std::size_t maxPieces) {
    static constexpr char16_t kAlphabet[] = {u'\0', u'\\', u' ', u'a', u'.', u':', u'\0', u'\\'};
    String out;
    const std::size_t pieces = in.ConsumeIntegralInRange<std::size_t>(0, maxPieces);
    for (std::size_t i = 0; i < pieces && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: out.push_back(in.ConsumeIntegral<char16_t>()); break;
        case 1: {
            const String name = Text(in, 6) + u'\0';
            const std::size_t times = in.ConsumeIntegralInRange<std::size_t>(1, 40000);
            for (std::size_t k = 0; k < times && out.size() < 70000; ++k) out += name;
            break;
        }
        default: out.push_back(kAlphabet[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kAlphabet) - 1)]);
        }
    }
    return out;
}

String UpToNul(const String& text) { return text.substr(0, text.find(u'\0')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    hookState() = HookState{};
    test::Fixture f;
    clsZqPickerFileOpenSaveA file{f.sim};
    const String filter = PathText(in, 12) + Text(in, 8) + (in.ConsumeBool() ? u"|" : u"");
    file.Filter(filter);
    file.Flags(in.ConsumeIntegral<std::int32_t>());
    file.CenterDialog(in.ConsumeBool() ? True : False);
    file.FileTitle(Text(in, 20));
    file.DefaultFilter(in.ConsumeIntegral<std::int16_t>());
    const std::int32_t dialogType = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 1) : in.ConsumeIntegral<std::int32_t>();
    const bool confirm = in.ConsumeBool();
    const String title = PathText(in, 8);
    // A dialog that wrote nothing leaves the buffer's 65,536 NULs, which a multiple selection reads as
    // 65,537 names: costly for every run, so it comes up in one run of sixteen.
    const bool nothingWritten = in.ConsumeIntegralInRange(0, 15) == 0;
    const String returned = (nothingWritten ? String() : String(u"C:")) + PathText(in, 40);
    const bool multiselect = file.Flags() & eFileOpenSaveFlag_AllowMultiselect;

    f.sim.fileUser = [&](OpenFileNameRecord& rec, WindowHandle) {
        FUZZ_CHECK(rec.lStructSize == 76);
        FUZZ_CHECK(rec.lpstrFilter.size() == filter.size() + 2);
        for (std::size_t i = 0; i < filter.size(); ++i)
            FUZZ_CHECK(rec.lpstrFilter[i] == (filter[i] == u'|' ? u'\0' : filter[i]));
        FUZZ_CHECK(rec.lpstrFilter.substr(filter.size()) == String(2, u'\0'));
        FUZZ_CHECK(rec.nMaxFile == rec.lpstrFile.size());
        FUZZ_CHECK(rec.lpstrFile.find_first_not_of(u'\0') == String::npos);
        FUZZ_CHECK(rec.nMaxFileTitle <= rec.lpstrFileTitle.size());
        return confirm && sim::SimPlatform::writeResult(rec.lpstrFile, rec.nMaxFile, returned) &&
               sim::SimPlatform::writeResult(rec.lpstrFileTitle, rec.nMaxFileTitle, title);
    };
    const String titleBefore = file.FileTitle();
    const Bool shown = file.Show(dialogType);
    FUZZ_CHECK(shown == True || shown == False);
    FUZZ_CHECK((dialogType == 0 || dialogType == 1) == (f.sim.fileDialogs.size() == 1));

    // The only failure a confirmed dialog can report: more names than the 16-bit count holds.
    for (const auto& call : f.reportCalls()) {
        FUZZ_CHECK(call.args.size() >= 4);
        FUZZ_CHECK(std::get<String>(call.args[3].value) == u"clsPickerFileOpenSaveA.PrepareString");
        FUZZ_CHECK(multiselect);
    }
    if (shown == True) {
        FUZZ_CHECK(file.FileCount() >= 1);
        FUZZ_CHECK(file.FileTitle() == UpToNul(title));
        if (!multiselect) {
            FUZZ_CHECK(file.FileCount() == 1);
            FUZZ_CHECK(file.FileName() == UpToNul(returned));
            const String path = file.SelectedPath();
            FUZZ_CHECK(path.empty() || (file.FileName().compare(0, path.size(), path) == 0 && path.back() == u'\\'));
        } else if (file.FileCount() > 1) {
            const auto& names = file.FileNames();
            FUZZ_CHECK(names.size() == static_cast<std::size_t>(file.FileCount()) + 1);
            FUZZ_CHECK(file.FileName() == file.GetNextFileName(1));
            // The first names and the last: a walk over thousands would make each run slow.
            const int count = file.FileCount();
            for (int i = 1; i <= count; i = i < 64 ? i + 1 : std::max(i + 1, count)) {
                const auto index = static_cast<std::int16_t>(i);
                FUZZ_CHECK(file.GetNextFileName(index) == file.SelectedPath() + u"\\" + names[static_cast<std::size_t>(i)]);
            }
        }
        // Outside the selection: the file name itself.
        for (std::int16_t i : {std::int16_t{-32768}, std::int16_t{-1}, std::int16_t{0},
                               static_cast<std::int16_t>(file.FileCount() + 1), std::int16_t{32767}})
            if (i < 1 || i > file.FileCount() || file.FileCount() == 1) FUZZ_CHECK(file.GetNextFileName(i) == file.FileName());
    } else {
        FUZZ_CHECK(file.FileCount() == 0);
        FUZZ_CHECK(file.FileTitle() == titleBefore);
        FUZZ_CHECK(f.reportCalls().empty());
    }
    FUZZ_CHECK(f.sim.accountingFaults().empty());
    hookState() = HookState{};
    return 0;
}

// What a confirmed file dialog returned: the buffers turned into FileName, FileTitle, SelectedPath,
// FileCount and the list of a multiple selection, and the walk over that list.
#include "file/file_dialog.h"

#include "automation/failure.h"
#include "frame/errors.h"
#include "frame/handler.h"

namespace cz {
namespace {

constexpr std::int32_t kSubscriptOutOfRange = static_cast<std::int32_t>(0x800A0009);  // 9
constexpr char16_t kNul = u'\0';
const String kTwoNuls(2, kNul);

bool isBlank(const String& text) { return text.find_first_not_of(u' ') == String::npos; }

std::vector<String> SplitAtNuls(const String& text) {
    std::vector<String> pieces;
    std::size_t start = 0;
    for (std::size_t nul; (nul = text.find(kNul, start)) != String::npos; start = nul + 1)
        pieces.push_back(text.substr(start, nul - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

// A file count in the property's 16 bits, or the runtime's overflow.
std::int16_t Count(std::size_t count) {
    if (count > 32767) throw Failure(runtime_error::Overflow, u"Overflow");
    return static_cast<std::int16_t>(count);
}

String UpToFirstNul(const String& text) { return text.substr(0, text.find(kNul)); }

}  // namespace

String clsZqPickerFileOpenSaveA::PrepareString(const String& buffer, std::int16_t mode) {
    Handler on{platform_, class_constant::FileOpenSave, u"PrepareString"};
    String result;
    // 2. Nothing written.
    if (isBlank(buffer)) return result;
    // 3. The returned text ends at the first pair of NULs, unless the buffer starts with it.
    String t = buffer;
    if (std::size_t pair = t.find(kTwoNuls); pair != String::npos && pair > 0) t.resize(pair);

    if (mode == 1 && !(flags_ & eFileOpenSaveFlag_AllowMultiselect)) {
        // 4. One file: its path, and the folder with its backslash.
        t = UpToFirstNul(t);
        fileCount_ = 1;
        if (std::size_t slash = t.rfind(u'\\'); slash != String::npos) selectedPath_ = t.substr(0, slash + 1);
        return t;
    }
    if (mode == 1) {
        // 5. The folder, then each name, NUL-separated; one file comes back as a plain path.
        on.step([&] { fileNames_ = SplitAtNuls(t); });
        on.step([&] { fileCount_ = Count(fileNames_.size() - 1); });
        if (fileCount_ > 1) {
            String folder = fileNames_[0];
            if (!folder.empty() && folder.back() == u'\\') folder.pop_back();
            selectedPath_ = folder;
            return folder + u"\\" + fileNames_[1];
        }
        std::size_t slash = t.rfind(u'\\');
        selectedPath_ = (slash != String::npos && slash >= 2) ? t.substr(0, slash + 1) : String();
        fileCount_ = 1;
        return fileNames_[0];
    }
    // 6. The title.
    if (mode == 2) return UpToFirstNul(t);
    return result;
}

String clsZqPickerFileOpenSaveA::GetNextFileName(std::int16_t index) const {
    Handler on{platform_, class_constant::FileOpenSave, u"GetNextFileName"};
    String result;
    on.step([&] {
        if (index >= 1 && fileCount_ != 1 && index <= fileCount_) {
            if (static_cast<std::size_t>(index) >= fileNames_.size())
                throw Failure(kSubscriptOutOfRange, u"Subscript out of range");
            result = selectedPath_ + u"\\" + fileNames_[static_cast<std::size_t>(index)];
        } else {
            result = fileName_;
        }
    });
    return result;
}

}  // namespace cz

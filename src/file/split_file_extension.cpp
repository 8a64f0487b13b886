#include "file/split_file_extension.h"

namespace cz {

String SplitFileExtension(const String& text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == String::npos) return String();
    const String t = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    const auto dot = t.rfind(u'.');
    if (dot == String::npos) return String();
    const String after = t.substr(dot + 1);
    const bool somethingBefore = dot > 0;
    if (after.size() >= 1 && after.size() <= 3 && somethingBefore) return after;
    return String();
}

}  // namespace cz

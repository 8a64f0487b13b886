#include "font/face_name.h"

#include <algorithm>
#include <string_view>

namespace cz {

// The code pages are stateless, so the form of a shorter run is a prefix of the whole text's form.
std::string AnsiPrefix(Platform& platform, const String& text, std::size_t limit) {
    std::string ansi = platform.ToAnsi(text);
    if (ansi.size() <= limit) return ansi;
    const std::u16string_view whole(text);
    for (std::size_t characters = std::min(whole.size(), limit); characters > 0; --characters) {
        const bool splitsPair = characters < whole.size() && whole[characters] >= 0xDC00 && whole[characters] <= 0xDFFF;
        if (splitsPair) continue;
        ansi = platform.ToAnsi(whole.substr(0, characters));
        if (ansi.size() <= limit) return ansi;
    }
    return std::string();
}

String FaceName(Platform& platform, const LogFontRecord& logFont) {
    const auto& field = logFont.lfFaceName;
    const auto end = std::find(field.begin(), field.end(), '\0');
    return platform.FromAnsi(std::string_view(field.data(), static_cast<std::size_t>(end - field.begin())));
}

}  // namespace cz

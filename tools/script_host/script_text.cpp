#include "script_text.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace chooser_script {
namespace {

std::wstring decode(const std::string& bytes, UINT codePage) {
    if (bytes.empty()) return std::wstring();
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    if (size > 0) MultiByteToWideChar(codePage, 0, bytes.data(), length, out.data(), size);
    return out;
}

}  // namespace

std::optional<std::wstring> readScript(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::wstring out((bytes.size() - 2) / 2, L'\0');
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                          (static_cast<unsigned char>(bytes[3 + 2 * i]) << 8));
        return out;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return decode(bytes.substr(3), CP_UTF8);
    return decode(bytes, CP_ACP);
}

}  // namespace chooser_script

#include "file_answers.h"

#include <dlgs.h>

namespace pilot {
namespace {

constexpr const char* kPrefix = "file ";

}  // namespace

bool isFileAnswer(const std::string& answer) {
    return answer.rfind(kPrefix, 0) == 0 && answer.size() > std::char_traits<char>::length(kPrefix);
}

void answerFile(HWND dialog, const std::string& answer) {
    const std::string typed = answer.substr(std::char_traits<char>::length(kPrefix));
    HWND box = GetDlgItem(dialog, cmb13);
    if (!box) box = GetDlgItem(dialog, edt1);
    // The box may hold fewer characters than a long multiple selection needs.
    SendMessageA(box, CB_LIMITTEXT, 0, 0);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace pilot

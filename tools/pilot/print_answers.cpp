#include "print_answers.h"

#include <cstdio>
#include <cstring>

namespace pilot {
namespace {

// The print dialog's controls: the range buttons (all, selection, pages), the first and last page and
// the number of copies.
constexpr int kAll = 0x420, kSelection = 0x421, kPages = 0x422;
constexpr int kFromPage = 0x480, kToPage = 0x481, kCopies = 0x482;

struct PrintAnswer {
    int copies = 0;
    int range = kAll;
    int from = 0, to = 0;
};

bool parse(const std::string& answer, PrintAnswer& out) {
    char range[16] = {};
    char rest = 0;
    if (std::sscanf(answer.c_str(), "print %d pages %d %d%c", &out.copies, &out.from, &out.to, &rest) == 3) {
        out.range = kPages;
        return true;
    }
    if (std::sscanf(answer.c_str(), "print %d %15s%c", &out.copies, range, &rest) != 2) return false;
    if (std::strcmp(range, "all") == 0) out.range = kAll;
    else if (std::strcmp(range, "selection") == 0) out.range = kSelection;
    else return false;
    return true;
}

void setNumber(HWND dialog, int id, int value) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(value).c_str()));
}

}  // namespace

bool isPrintAnswer(const std::string& answer) {
    PrintAnswer parsed;
    return parse(answer, parsed);
}

void answerPrint(HWND dialog, const std::string& answer) {
    PrintAnswer a;
    if (!parse(answer, a)) return;
    setNumber(dialog, kCopies, a.copies);
    if (a.range == kPages) {
        setNumber(dialog, kFromPage, a.from);
        setNumber(dialog, kToPage, a.to);
    }
    // After the page fields: typing into them selects the page range.
    for (int button : {kAll, kSelection, kPages})
        SendMessageW(GetDlgItem(dialog, button), BM_SETCHECK, button == a.range ? BST_CHECKED : BST_UNCHECKED, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace pilot

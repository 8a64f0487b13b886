#include "font_answers.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace pilot {
namespace {

// The font dialog's face, style and size lists and its strikeout and underline boxes.
constexpr int kFaces = 0x470, kStyles = 0x471, kSizes = 0x472;
constexpr int kStrikeout = 0x410, kUnderline = 0x411;

struct FontAnswer {
    std::wstring face;
    int size = 0;
    bool bold = false, italic = false, underline = false, strikeout = false;
};

bool isNumber(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
}

bool parse(const std::string& answer, FontAnswer& out) {
    std::istringstream in(answer);
    std::string word;
    if (!(in >> word) || word != "font") return false;
    std::string face;
    while (in >> word && !isNumber(word)) face += (face.empty() ? "" : " ") + word;
    if (face.empty() || !isNumber(word)) return false;
    out.face.assign(face.begin(), face.end());
    out.size = std::atoi(word.c_str());
    while (in >> word) {
        if (word == "bold") out.bold = true;
        else if (word == "italic") out.italic = true;
        else if (word == "underline") out.underline = true;
        else if (word == "strikeout") out.strikeout = true;
        else return false;
    }
    return out.size > 0;
}

// Selects the list entry with exactly one of these texts and tells the dialog, as a click would.
bool choose(HWND dialog, int id, const std::vector<std::wstring>& texts) {
    HWND list = GetDlgItem(dialog, id);
    for (const auto& text : texts) {
        LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        if (index == CB_ERR) continue;
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        return true;
    }
    return false;
}

void tick(HWND dialog, int id, bool on) {
    HWND box = GetDlgItem(dialog, id);
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

}  // namespace

bool isFontAnswer(const std::string& answer) {
    FontAnswer parsed;
    return parse(answer, parsed);
}

void answerFont(HWND dialog, const std::string& answer) {
    FontAnswer a;
    if (!parse(answer, a)) return;
    // The face first: choosing it fills the style and size lists anew.
    choose(dialog, kFaces, {a.face});
    const wchar_t* style = a.bold && a.italic ? L"Bold Italic" : a.bold ? L"Bold" : a.italic ? L"Italic" : L"Regular";
    choose(dialog, kStyles, {style});
    // The dialog writes sizes below 10 with a leading space.
    const std::wstring size = std::to_wstring(a.size);
    choose(dialog, kSizes, {size, L" " + size});
    tick(dialog, kUnderline, a.underline);
    tick(dialog, kStrikeout, a.strikeout);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace pilot

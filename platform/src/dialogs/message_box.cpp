#include <platform/dialog_driver.h>
#include <platform/message_box.h>

#include <zcad/console.h>

namespace zplat {

BoxButtons boxButtons(unsigned type) {
    BoxButtons b;
    switch (type & 0xF) {
    case MB_OKCANCEL: b.ids = {IDOK, IDCANCEL}; break;
    case MB_YESNOCANCEL: b.ids = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: b.ids = {IDYES, IDNO}; break;
    default: b.ids = {IDOK}; break;
    }
    const std::size_t which = (type & 0xF00) >> 8;
    b.defaultId = b.ids[which < b.ids.size() ? which : 0];
    return b;
}

const char* buttonName(int id) {
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "?";
    }
}

int messageBox(std::string_view text, std::string_view caption, unsigned type) {
    const MessageBoxRequest box{std::string(text), std::string(caption), type};
    if ((type & 0xF0) == MB_ICONERROR) zcad::noteScriptFault(zcad::ScriptFault::Failed, text);
    const int answer = dialogDriver().messageBox(box);
    // Whatever a driver says, the answer is one of the box's own buttons.
    const BoxButtons buttons = boxButtons(type);
    for (const int id : buttons.ids)
        if (id == answer) return answer;
    return buttons.ids.back() == IDCANCEL ? IDCANCEL : buttons.ids.back();
}

}  // namespace zplat

int MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    return zplat::messageBox(lpText ? lpText : "", lpCaption ? lpCaption : "Error", uType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    return zplat::messageBox(lpszText ? lpszText : "", "zcad", nType);
}

#include "edit_za_run_number.h"

#include <cctype>

CEditZaRunNumber::CEditZaRunNumber(int id, std::string label) : Edit(id, std::move(label)) {
    setLimitText(1);
}

void CEditZaRunNumber::onChar(char key) {
    if (!std::isalnum(static_cast<unsigned char>(key)) || static_cast<unsigned char>(key) >= 0x80) return;
    selectAll();
    defaultChar(key);
}

void CEditZaRunNumber::onTextSet() {
    if (text().size() > 1) replaceText(text().substr(0, 1));
}

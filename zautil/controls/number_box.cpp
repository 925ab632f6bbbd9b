#include "number_box.h"

#include <platform/services.h>

CNumberBox::CNumberBox(int id, std::string label) : Edit(id, std::move(label)) { setLimitText(kMaxChars); }

// The text itself says whether a point or sign is there: flags kept beside
// it went wrong whenever the dialog set the text or a selection was typed over.
bool CNumberBox::decimalPresent() const { return text().find('.') != std::string::npos; }

bool CNumberBox::signPresent() const { return text().find_first_of("+-") != std::string::npos; }

bool CNumberBox::presentBesideSelection(std::string_view chars) const {
    const Selection sel = selection();
    const std::string& t = text();
    for (std::size_t i = 0; i < t.size(); ++i)
        if ((i < sel.start || i >= sel.end) && chars.find(t[i]) != std::string_view::npos) return true;
    return false;
}

void CNumberBox::refuse() { PlaySoundA("Exclamation", nullptr, SND_ALIAS | SND_ASYNC); }

void CNumberBox::onChar(char key) {
    if (key >= '0' && key <= '9') {
        defaultChar(key);
        return;
    }
    if (key == '-' || key == '+') {
        if (noSign_ || presentBesideSelection("+-") || selection().start != 0) {
            refuse();
            return;
        }
        defaultChar(key);
        return;
    }
    if (key == '.') {
        if (noDecimal_ || presentBesideSelection(".")) {
            refuse();
            return;
        }
        defaultChar(key);
        return;
    }
    if (key == zplat::kBackspace) {
        defaultChar(key);
        return;
    }
    refuse();
}

void CNumberBox::onTextSet() {
    if (text().size() > kMaxChars) replaceText(text().substr(0, kMaxChars));
}

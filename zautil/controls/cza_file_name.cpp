#include "cza_file_name.h"

#include "short_name_rule.h"

#include <algorithm>

namespace {

bool isPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

}  // namespace

CzaFileName::CzaFileName(int id, std::string label) : Edit(id, std::move(label)) {
    setLimitText(limit_);
}

void CzaFileName::setLimit(std::size_t limit) {
    limit_ = limit;
    // The edit's own limit holds the name to it also without the rule.
    setLimitText(limit);
}

void CzaFileName::onChar(char key) {
    if (key == '\\' || key == '/') return;
    if (isPunctuation(key) && key != '-' && key != '_') return;
    const bool shortNames = zaShortNameRule();
    if (shortNames && key == ' ') key = '_';
    if (key != zplat::kBackspace) {
        const Selection sel = selection();
        const std::size_t kept = count() - (sel.end - sel.start);
        if (shortNames && kept >= limit_) return;
    }
    defaultChar(key);
}

void CzaFileName::onTextSet() {
    std::string name = text().substr(0, limit_);
    // Blanks are kept without the rule, where a typed blank is kept too.
    if (zaShortNameRule()) std::replace(name.begin(), name.end(), ' ', '_');
    replaceText(name);
}

std::size_t zaJobNameLimit() { return zaShortNameRule() ? 8 : 16; }

std::string zaJobNameStatusText() {
    return std::string("Enter a valid filename for the current job (") +
           (zaShortNameRule() ? "8 characters, no spaces or punctuation, '_' is Ok" : "up to 16 characters") +
           ")";
}

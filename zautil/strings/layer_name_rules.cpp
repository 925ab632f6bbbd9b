#include "strings/layer_name_rules.h"

#include <algorithm>

#include "files/c_numbers.h"
#include "files/text_rules.h"
#include "settings/settings_record.h"

namespace zastrings {
namespace {

constexpr std::size_t kMapValueLimit = 127;

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isKeptMark(char c) { return c == '+' || c == '-' || c == '$' || c == '_'; }

// The characters of the name up to the first one that ends it.
void clean(std::string_view text, const LayerNameRules& rules, std::string& name) {
    name.clear();
    for (const char c : text) {
        if (c == ' ' && !rules.endNameAtSpace) {
            name += '_';
        } else if (isLetter(c)) {
            name += zafiles::upperAscii(c);
        } else if ((isDigit(c) && rules.includeNumerics) || isKeptMark(c)) {
            name += c;
        } else {
            break;
        }
    }
    if (name.empty()) name.push_back('0');
}

}  // namespace

LayerNameRules layerNameRules(const ZaSettings& settings) {
    return {settings.endNameAtSpace, settings.includeNumerics, zafiles::readCInt(settings.maximumSize)};
}

void cleanCodeName(std::string_view text, const LayerNameRules& rules, std::string& name) {
    // A size of zero or less leaves nothing of the code.
    text = text.substr(0, static_cast<std::size_t>(std::max(rules.maximumSize, 0)));
    clean(zafiles::trimTrailingSpaces(text), rules, name);
}

void cleanMapValue(std::string_view value, const LayerNameRules& rules, std::string& name) {
    clean(value.substr(0, kMapValueLimit), rules, name);
}

}  // namespace zastrings

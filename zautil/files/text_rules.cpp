#include "files/text_rules.h"

namespace zafiles {

void upperInPlace(std::string& text) {
    for (char& c : text) c = upperAscii(c);
}

void lowerInPlace(std::string& text) {
    for (char& c : text) c = lowerAscii(c);
}

std::string lowerCased(std::string_view text) {
    std::string lowered(text);
    lowerInPlace(lowered);
    return lowered;
}

std::string_view trimField(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text.remove_prefix(first);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

std::string_view trimTrailingSpaces(std::string_view text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

std::string fontStem(std::string_view name) { return lowerCased(name.substr(0, name.find('.'))); }

}  // namespace zafiles

#include "keywords.h"

#include <cctype>
#include <string>

#include "zcad/text.h"

namespace zcad::commands {

namespace {

bool isCapital(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

std::string shortForm(std::string_view keyword) {
    std::string out;
    for (const char c : keyword) {
        if (isCapital(c) || std::isdigit(static_cast<unsigned char>(c))) out += c;
    }
    return out.empty() ? upperCase(keyword) : out;
}

bool isShortForm(std::string_view input, std::string_view keyword) { return equalNoCase(input, shortForm(keyword)); }

}  // namespace

bool keywordMatches(std::string_view input, std::string_view keyword) {
    if (input.empty()) return false;
    if (isShortForm(input, keyword)) return true;
    std::size_t least = 1;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (isCapital(keyword[i])) least = i + 1;
    }
    return input.size() >= least && startsWithNoCase(keyword, input);
}

int matchKeyword(const Word& word, std::initializer_list<std::string_view> keywords) {
    if (word.kind != Word::Kind::Text) return -1;
    std::string_view input = trimmed(word.text);
    // "_" asks for the keyword by its global (English) name.
    if (input.size() > 1 && input.front() == '_') input.remove_prefix(1);
    int index = 0;
    for (const auto keyword : keywords) {
        if (!input.empty() && isShortForm(input, keyword)) return index;
        ++index;
    }
    index = 0;
    for (const auto keyword : keywords) {
        if (keywordMatches(input, keyword)) return index;
        ++index;
    }
    return -1;
}

}  // namespace zcad::commands

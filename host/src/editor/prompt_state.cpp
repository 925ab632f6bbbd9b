#include "text_case.h"
#include "prompt_state.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

namespace zcad {

namespace {

PromptControl pending;
std::string keyword;


bool prefixNoCase(std::string_view prefix, std::string_view word) {
    return prefix.size() <= word.size() && equalNoCase(prefix, word.substr(0, prefix.size()));
}

// The capitals of "eXit" make its shortcut "X".
std::string shortcutOf(std::string_view word) {
    std::string capitals;
    for (const char c : word) {
        if (std::isupper(static_cast<unsigned char>(c))) capitals.push_back(c);
    }
    return capitals.size() == word.size() ? std::string() : capitals;
}

}  // namespace

PromptControl takePromptControl() {
    PromptControl taken = std::move(pending);
    pending = PromptControl{};
    return taken;
}

void setPromptControl(int bits, std::string_view list) {
    pending.bits = bits;
    pending.keywords.clear();
    std::size_t at = 0;
    while (at < list.size()) {
        while (at < list.size() && list[at] == ' ') ++at;
        std::size_t end = at;
        while (end < list.size() && list[end] != ' ') ++end;
        const std::string_view word = list.substr(at, end - at);
        if (word == "_") break;  // global names follow; the local ones serve
        if (!word.empty()) pending.keywords.emplace_back(word);
        at = end;
    }
}

std::string_view matchKeyword(const std::vector<std::string>& keywords, std::string_view answer) {
    answer = trimmed(answer);
    if (answer.empty()) return {};
    for (const auto& word : keywords) {
        if (equalNoCase(word, answer)) return word;
    }
    for (const auto& word : keywords) {
        const std::string shortcut = shortcutOf(word);
        if (!shortcut.empty() && equalNoCase(shortcut, answer)) return word;
    }
    std::string_view found;
    for (const auto& word : keywords) {
        if (!prefixNoCase(answer, word)) continue;
        if (!found.empty()) return {};  // not unique
        found = word;
    }
    return found;
}

void setLastKeyword(std::string word) { keyword = std::move(word); }
const std::string& lastKeyword() { return keyword; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool parseReal(std::string_view text, double& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parsePoint(std::string_view text, double point[3]) {
    double values[3] = {0, 0, 0};
    int count = 0;
    while (count < 3) {
        const std::size_t comma = text.find(',');
        if (!parseReal(text.substr(0, comma), values[count])) return false;
        ++count;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (count == 3) return false;
    }
    if (count < 2) return false;
    for (int i = 0; i < 3; ++i) point[i] = values[i];
    return true;
}

}  // namespace zcad

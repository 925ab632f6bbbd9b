#include "prompt_state.h"

#include <cctype>
#include <string>
#include <utility>

#include "state/session_state.h"
#include "zcad/text.h"

namespace zcad {

namespace {

struct Prompts {
    PromptControl pending;  // for the next prompt
    std::string keyword;    // the last one matched
};

Prompts& prompts() { return sessionState<Prompts>(); }

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
    return std::exchange(prompts().pending, PromptControl{});
}

void setPromptControl(int bits, std::string_view list) {
    PromptControl& pending = prompts().pending;
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
        if (!startsWithNoCase(word, answer)) continue;
        if (!found.empty()) return {};  // not unique
        found = word;
    }
    return found;
}

void setLastKeyword(std::string word) { prompts().keyword = std::move(word); }
const std::string& lastKeyword() { return prompts().keyword; }

}  // namespace zcad

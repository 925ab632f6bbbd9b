// What acedInitGet set for the next prompt, and the keyword it last matched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zcad {

struct PromptControl {
    int bits = 0;
    std::vector<std::string> keywords;
};

// What acedInitGet sets: its bits and its list of keywords, blank-separated;
// a "_" ends the local names, the global ones after it are not offered.
void setPromptControl(int bits, std::string_view list);
// Takes (and clears) what acedInitGet set.
PromptControl takePromptControl();
// The keyword a prompt matched; empty when none.
std::string_view matchKeyword(const std::vector<std::string>& keywords, std::string_view answer);
void setLastKeyword(std::string keyword);
const std::string& lastKeyword();

}  // namespace zcad

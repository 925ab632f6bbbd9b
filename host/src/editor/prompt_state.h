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

// Takes (and clears) what acedInitGet set.
PromptControl takePromptControl();
// The keyword a prompt matched; empty when none.
std::string_view matchKeyword(const std::vector<std::string>& keywords, std::string_view answer);
void setLastKeyword(std::string keyword);
const std::string& lastKeyword();

std::string_view trimmed(std::string_view text);
// "x,y" or "x,y,z" with blanks allowed around the numbers.
bool parsePoint(std::string_view text, double point[3]);
bool parseReal(std::string_view text, double& value);

}  // namespace zcad

// Prompt keywords written the host's way: the capital letters are the short
// form ("LAyer" takes "LA", "lay", "layer"; "ltScale" takes "S").
#pragma once

#include <initializer_list>
#include <string_view>

#include "word.h"

namespace zcad::commands {

// True when `input` selects `keyword`: its short form, or a prefix of the
// whole word at least as long as the part up to its last capital.
bool keywordMatches(std::string_view input, std::string_view keyword);

// The index of the first keyword the word selects (short forms first), or -1.
int matchKeyword(const Word& word, std::initializer_list<std::string_view> keywords);

}  // namespace zcad::commands

// Tab completion at the terminal: command names at "Command: ", file paths
// everywhere else. Text is as the terminal gives it (UTF-8), as file names are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zcad {

struct Completion {
    std::size_t replace = 0;           // characters before the cursor to replace
    std::string text;                  // what replaces them (empty: nothing to add)
    std::vector<std::string> choices;  // to list when there is more than one
};

// `before` is the line up to the cursor. At the Command prompt the first
// word is a command name, what follows it a command's argument (a path, for
// SAVEAS and OPEN); at any other prompt the whole line is a path.
Completion complete(std::string_view before, bool atCommandPrompt, const std::vector<std::string>& commands);

// The names in a directory that start with `prefix`, directories with a
// final "/"; hidden ones only when the prefix asks for them.
std::vector<std::string> pathCompletions(std::string_view typed);

}  // namespace zcad

// printf into a string of the length it needs, for the texts the module
// composes for the user (messages, replies); not for the records of files.
#pragma once

#include <string>

namespace zafiles {

__attribute__((format(printf, 1, 2))) std::string formatted(const char* format, ...);

}  // namespace zafiles

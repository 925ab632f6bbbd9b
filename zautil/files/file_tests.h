// Questions about a path the commands ask before they read it.
#pragma once

#include <string>

namespace zafiles {

// A file that can be read as one: a directory, or nothing at all, is not.
bool isFile(const std::string& path);

}  // namespace zafiles

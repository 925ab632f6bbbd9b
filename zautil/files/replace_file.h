// The suite's small system tables are rewritten whole; a failure part-way
// must never leave a torn table where the old one stood.
#pragma once

#include <string>
#include <string_view>

// Writes the bytes beside the file and renames them over it. False when
// anything failed; the old file is then untouched.
namespace zafiles {

bool replaceFile(const std::string& path, std::string_view bytes);

}  // namespace zafiles

// The open-file dialog of the string imports and their layer map.
#pragma once

#include <optional>
#include <string>

namespace zastrings {

// The chosen path, or nothing when the dialog was cancelled.
std::optional<std::string> chooseFileToOpen(const char* title, const char* filter, const std::string& directory);

}  // namespace zastrings

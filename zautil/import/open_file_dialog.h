// The open-file dialog every import asks for its file with.
#pragma once

#include <optional>
#include <string>

namespace zaimport {

struct OpenFileRequest {
    const char* title = "";
    const char* filter = "";       // "Description|pattern|...||", the first entry the default
    std::string directory;         // where the dialog starts
    std::string proposedName;      // the name it offers; none when empty
    bool mustExist = false;        // else the command says itself that a file is missing
};

// The chosen path, or nothing when the dialog was cancelled.
std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request);
// Nothing proposed, and a missing file left for the command to report.
std::optional<std::string> chooseFileToOpen(const char* title, const char* filter, const std::string& directory);

}  // namespace zaimport

#include "settings/path_text.h"

#include <cstdlib>

bool zaIsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool zaEndsInSeparator(std::string_view path) { return !path.empty() && zaIsPathSeparator(path.back()); }

std::string zaWithSeparator(std::string_view directory) {
    std::string path(directory);
    if (!zaEndsInSeparator(path)) path += '/';
    return path;
}

std::string zaDriveRoot() {
    const char* root = std::getenv("ZARVO_DRIVE_ROOT");
    return root && *root ? zaWithSeparator(root) : std::string("/");
}

// Where the DWG helper and the Node.js that runs it are found.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "zcad/dwg.h"

namespace zcad {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool runnable(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The first "node" on the PATH, as execvp would find it.
std::string nodeOnPath() {
    const std::string path = environment("PATH");
    std::size_t from = 0;
    while (from <= path.size()) {
        const std::size_t colon = std::min(path.find(':', from), path.size());
        const std::string folder = colon == from ? "." : path.substr(from, colon - from);
        if (const std::string candidate = folder + "/node"; runnable(candidate)) return candidate;
        from = colon + 1;
    }
    return {};
}

std::string defaultFolder() {
    if (const std::string data = environment("XDG_DATA_HOME"); !data.empty() && data.front() == '/')
        return data + "/zcad/dwg";
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : home + "/.local/share/zcad/dwg";
}

}  // namespace

bool isDwgName(std::string_view path) {
    if (path.size() < 4) return false;
    const std::string_view tail = path.substr(path.size() - 4);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return tail[0] == '.' && lower(tail[1]) == 'd' && lower(tail[2]) == 'w' && lower(tail[3]) == 'g';
}

DwgHelper findDwgHelper() {
    DwgHelper helper;
    helper.folder = environment("ZCAD_DWG_HELPER");
    if (helper.folder.empty()) helper.folder = defaultFolder();
    if (const std::string named = environment("ZCAD_NODE"); !named.empty()) {
        helper.node = runnable(named) ? named : std::string();
        return helper;
    }
    // The Node the installer chose, when it put one beside the helper.
    if (const std::string linked = helper.folder + "/node-program"; !helper.folder.empty() && runnable(linked))
        helper.node = linked;
    else
        helper.node = nodeOnPath();
    return helper;
}

}  // namespace zcad

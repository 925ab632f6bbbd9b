#include "completion.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "zcad/text.h"

namespace zcad {

namespace {

std::string commonPrefix(const std::vector<std::string>& words, bool ignoreCase) {
    if (words.empty()) return {};
    std::string common = words.front();
    for (const std::string& word : words) {
        std::size_t n = 0;
        while (n < common.size() && n < word.size() &&
               (ignoreCase ? upperChar(common[n]) == upperChar(word[n]) : common[n] == word[n]))
            ++n;
        // Never half of a letter that takes several bytes.
        while (n > 0 && n < common.size() && (static_cast<unsigned char>(common[n]) & 0xC0) == 0x80) --n;
        common.resize(n);
    }
    return common;
}

// "~/" stands for the home directory, as at a shell.
std::string expandHome(std::string_view directory) {
    if (!directory.starts_with("~/")) return std::string(directory);
    const char* home = std::getenv("HOME");
    return (home && *home ? std::string(home) : std::string("~")) + std::string(directory.substr(1));
}

bool isDirectory(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

Completion completeWord(std::string_view word, std::vector<std::string> matches, bool ignoreCase) {
    Completion result;
    result.replace = word.size();
    std::sort(matches.begin(), matches.end());
    matches.erase(std::unique(matches.begin(), matches.end()), matches.end());
    const std::string common = commonPrefix(matches, ignoreCase);
    if (common.size() > word.size() || (matches.size() == 1 && common != word)) result.text = common;
    if (matches.size() > 1) result.choices = std::move(matches);
    if (result.text.empty()) result.replace = 0;
    return result;
}

}  // namespace

std::vector<std::string> pathCompletions(std::string_view typed) {
    const std::size_t slash = typed.rfind('/');
    const std::string_view directory = slash == std::string_view::npos ? std::string_view() : typed.substr(0, slash + 1);
    const std::string_view prefix = typed.substr(directory.size());
    const std::string listed = directory.empty() ? std::string(".") : expandHome(directory);
    std::vector<std::string> found;
    DIR* dir = ::opendir(listed.c_str());
    if (!dir) return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (!name.starts_with(prefix) || (name.front() == '.' && !prefix.starts_with("."))) continue;
        std::string path = std::string(directory) + std::string(name);
        if (isDirectory(listed + "/" + std::string(name))) path += '/';
        found.push_back(std::move(path));
    }
    ::closedir(dir);
    return found;
}

Completion complete(std::string_view before, bool atCommandPrompt, const std::vector<std::string>& commands) {
    if (atCommandPrompt) {
        const std::string_view line = trimmedLeft(before);
        const std::size_t gap = line.find_first_of(" \t");
        if (gap == std::string_view::npos) {
            std::vector<std::string> matches;
            for (const std::string& name : commands) {
                if (startsWithNoCase(name, line)) matches.push_back(name);
            }
            return completeWord(line, std::move(matches), true);
        }
        before = trimmedLeft(line.substr(gap));
    }
    return completeWord(before, pathCompletions(before), false);
}

}  // namespace zcad

#include "settings/job_path.h"

#include "settings/settings_message.h"

#include <cctype>
#include <cstring>

namespace {

struct PathSplit {
    std::string_view directory;  // with its separator
    std::string_view name;
    std::string_view extension;  // with its dot
};

PathSplit splitPath(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view file = path.substr(nameStart);
    const auto dot = file.rfind('.');
    if (dot == std::string_view::npos) return {path.substr(0, nameStart), file, {}};
    return {path.substr(0, nameStart), file.substr(0, dot), file.substr(dot)};
}

bool alphanumeric(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

void zaSplitJobPath(std::string_view path, ZaJobPathParts& parts) {
    if (path.empty()) return;
    const PathSplit split = splitPath(path);
    parts.directory = split.directory;
    parts.name = split.name;
    parts.type = split.extension.substr(0, 3);
    parts.run = split.extension.size() > 3 ? split.extension.substr(3, 1) : std::string_view{};
}

std::string zaJobFileToCurrentJob(std::string_view jobFile, std::size_t size) {
    const PathSplit split = splitPath(jobFile);
    std::string job(split.directory);
    job += split.name;
    job += ".xx";
    // Without a character after the dot there is no run to carry over.
    if (split.extension.size() > 1) job += split.extension.back();
    if (size == 0) return {};
    if (job.size() >= size) job.resize(size - 1);
    return job;
}

bool UpdateJobName(std::string* path, const char* letters, bool set) {
    if (!path || !letters) {
        zaSettingsMessage(
            "A NULL pointer has been passed to UpdateJobName() in the Zarvo Environment Routines.\n\n"
            "Please inform Zarvo Software");
        return false;
    }
    if (std::strlen(letters) < 2) return false;
    const auto slash = path->find_last_of("\\/");
    const auto dot = path->rfind('.');
    if (slash == std::string::npos || dot == std::string::npos || dot < slash) return false;
    if (path->size() - dot - 1 != 3 || dot - slash - 1 != 8) return false;
    if (!alphanumeric((*path)[dot + 3])) return false;
    const bool lettersValid = alphanumeric(letters[0]) && alphanumeric(letters[1]);
    if (set) {
        if (!lettersValid) return false;
        (*path)[dot + 1] = letters[0];
        (*path)[dot + 2] = letters[1];
        return true;
    }
    if (!lettersValid) return true;
    return (*path)[dot + 1] == letters[0] && (*path)[dot + 2] == letters[1];
}

bool zaHasJobType(std::string_view path, std::string_view letters) {
    if (path.empty() || letters.size() < 2) return false;
    const std::string_view extension = splitPath(path).extension;
    return extension.size() >= 3 && extension.substr(1, 2) == letters.substr(0, 2);
}

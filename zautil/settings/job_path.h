// Job paths of the suite: directory, name, and an extension of two type
// letters and the run character (abcdefgh.urA: type "ur", run 'A').
#pragma once

#include "settings/path_text.h"

#include <cstddef>
#include <string>
#include <string_view>

struct ZaJobPathParts {
    std::string directory;  // ending in a separator, or empty
    std::string name;       // without extension
    std::string type;       // the extension with its dot, cut to three characters: ".ur"
    std::string run;        // the fourth character of the extension, or empty

    bool operator==(const ZaJobPathParts&) const = default;
};

// An empty path leaves the parts unchanged.
void zaSplitJobPath(std::string_view path, ZaJobPathParts& parts);

// The same directory and name with the extension "xx" and the run character,
// cut to size - 1 characters.
std::string zaJobFileToCurrentJob(std::string_view jobFile, std::size_t size = kZaPathSize);

// Set: puts the two letters in place of the extension's type letters.
// Check: are they the extension's type letters? Only paths of an 8-character
// name and a 3-character extension ending in a letter or digit qualify.
bool UpdateJobName(std::string* path, const char* letters, bool set);

// Do the first two characters of the extension equal the letters?
bool zaHasJobType(std::string_view path, std::string_view letters);

#include "files/replace_file.h"

#include <cstdio>

namespace zafiles {
namespace {

bool writeAll(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view bytes) {
    const std::string beside = path + ".new~";
    if (writeAll(beside, bytes) && std::rename(beside.c_str(), path.c_str()) == 0) return true;
    std::remove(beside.c_str());
    return false;
}

}  // namespace zafiles

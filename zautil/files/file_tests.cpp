#include "files/file_tests.h"

#include <filesystem>

namespace zafiles {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace zafiles

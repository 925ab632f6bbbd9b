#include "strings/string_file_output.h"

namespace zastrings {

bool StringFileOutput::open(const std::string& path) {
    lastError_.clear();
    if (file_.open(path)) return true;
    lastError_ = "Cannot open output file";
    return false;
}

bool StringFileOutput::refuse(std::string_view text) {
    lastError_ = text;
    return false;
}

bool StringFileOutput::failed() {
    if (lastError_.empty()) lastError_ = cannotWrite_;
    return false;
}

}  // namespace zastrings

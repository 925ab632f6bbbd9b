#include "strings/tr_reader.h"

#include "arx/acedads.h"
#include "files/last_error.h"
#include "strings/tr_format.h"

namespace zastrings {

bool TRReader::refuse(std::string_view text) {
    zafiles::setLastError(lastError_, text);
    acutPrintf("\rError TRFile  %s\n", lastError_.c_str());
    close();
    return false;
}

bool TRReader::open(const std::string& path) { return open(zafiles::openFileSource(path), path); }

bool TRReader::open(std::unique_ptr<zafiles::ByteSource> source, const std::string& name) {
    close();
    lastError_.clear();
    if (!source) {
        zafiles::setLastError(lastError_, "Error opening file '" + name + "'\n");
        acutPrintf("\n*ImportTrFile - %s\n", lastError_.c_str());
        return false;
    }
    acutPrintf("\nLoading TR file <%s> \n", name.c_str());
    lines_.emplace(std::move(source));
    auto line = lines_->next();
    if (!line) return refuse("Error reading file header '" + name + "'\n");
    // A first line that is not data is the header; the line after it is taken
    // as data whatever it holds.
    if (!isTRDataLine(*line)) line = lines_->next();
    if (!line) return refuse("Error reading first record in file '" + name + "'\n");
    parseTRLine(*line, first_);
    firstWaiting_ = true;
    return true;
}

bool TRReader::next(StringRecord& record) {
    if (firstWaiting_) {
        firstWaiting_ = false;
        record = first_;
        ++good_;
        return true;
    }
    if (!lines_) return false;
    while (const auto line = lines_->next()) {
        if (!isTRDataLine(*line)) {
            ++bad_;
            continue;
        }
        parseTRLine(*line, record);
        ++good_;
        return true;
    }
    lines_.reset();
    return false;
}

void TRReader::close() {
    lines_.reset();
    firstWaiting_ = false;
    good_ = 0;
    bad_ = 0;
}

}  // namespace zastrings

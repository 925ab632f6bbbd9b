#include "strings/tr_reader.h"

#include "strings/tr_format.h"

namespace zastrings {

bool TRReader::refuse(TRFault fault) {
    close();
    fault_ = fault;
    return false;
}

bool TRReader::open(const std::string& path) { return open(zafiles::openFileSource(path)); }

bool TRReader::open(std::unique_ptr<zafiles::ByteSource> source) {
    close();
    fault_ = TRFault::None;
    if (!source) return refuse(TRFault::CannotOpen);
    bytes_ = source->size();
    lines_.emplace(std::move(source));
    auto line = lines_->next();
    if (!line) return refuse(TRFault::NoHeader);
    // A first line that is not data is the header; a header with nothing
    // after it leaves no record to read.
    if (!isTRDataLine(*line)) {
        line = lines_->next();
        if (!line) return refuse(TRFault::NoFirstRecord);
    }
    firstWaiting_ = takePoint(*line, first_);
    return true;
}

bool TRReader::takePoint(std::string_view line, StringRecord& record) {
    if (isTRDataLine(line) && parseTRPoint(line, lines_->lastLineEnded(), record)) return true;
    ++bad_;
    return false;
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
        if (!takePoint(*line, record)) continue;
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

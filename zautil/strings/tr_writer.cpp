#include "strings/tr_writer.h"

#include "strings/tr_format.h"

namespace zastrings {
namespace {

constexpr std::string_view kCannotOpen = "Cannot open output file";
constexpr std::string_view kCannotWrite = "Cannot write TR file";

}  // namespace

bool TRWriter::open(const std::string& path) {
    lastError_.clear();
    if (file_.open(path)) return true;
    lastError_ = kCannotOpen;
    return false;
}

bool TRWriter::failed() {
    if (lastError_.empty()) lastError_ = kCannotWrite;
    return false;
}

bool TRWriter::WriteTRHeader() { return file_.append(kTRHeaderLine) || failed(); }

bool TRWriter::put(std::int32_t stringNumber, std::int32_t pointNumber, double x, double y, double z,
                   std::string_view text) {
    line_.clear();
    appendTRLine(line_, stringNumber, pointNumber, x, y, z, text);
    return file_.append(line_) || failed();
}

bool TRWriter::PutTRRecord(std::int32_t stringNumber, std::int32_t pointNumber, std::span<const double, 3> point,
                           std::string_view text) {
    return put(stringNumber, pointNumber, point[0], point[1], point[2], text);
}

bool TRWriter::PutTRRecord(const StringRecord& record) {
    return put(record.stringNumber, record.pointNumber, record.x, record.y, record.z, record.text.view());
}

bool TRWriter::close() { return file_.close() || failed(); }

}  // namespace zastrings

#include "strings/ur_writer.h"

#include <array>
#include <limits>

#include "files/byte_order.h"

namespace zastrings {
namespace {

constexpr std::string_view kCannotOpen = "Cannot open output file";
constexpr std::string_view kCannotWrite = "Cannot write UR file";
constexpr std::string_view kTooMany = "Too many points for a UR file";

}  // namespace

bool URWriter::open(const std::string& path) {
    written_ = 0;
    lastError_.clear();
    if (file_.open(path)) return true;
    lastError_ = kCannotOpen;
    return false;
}

bool URWriter::failed() {
    if (lastError_.empty()) lastError_ = kCannotWrite;
    return false;
}

bool URWriter::WriteURHeader() {
    const auto header = urHeader();
    return file_.append(std::string_view(header.data(), header.size())) || failed();
}

bool URWriter::PutURRecord(const StringRecord& record) {
    // The header's count could not carry another record.
    if (written_ == std::numeric_limits<std::int32_t>::max()) {
        lastError_ = kTooMany;
        return false;
    }
    encodeURRecord(record, block_.data());
    if (!file_.append(std::string_view(block_.data(), block_.size()))) return failed();
    ++written_;
    return true;
}

bool URWriter::PutURRecord(std::int32_t stringNumber, std::int32_t pointNumber, std::span<const double, 3> point,
                           std::string_view text) {
    const StringRecord record{stringNumber, pointNumber, point[0], point[1], point[2], RecordText(text)};
    return PutURRecord(record);
}

bool URWriter::finish() {
    std::array<char, 4> count{};
    zafiles::storeI32LE(count.data(), written_);
    const bool counted = file_.overwrite(kURCountOffset, std::string_view(count.data(), count.size()));
    const bool closed = file_.close();
    return (counted && closed) || failed();
}

bool URWriter::close() { return file_.close() || failed(); }

}  // namespace zastrings

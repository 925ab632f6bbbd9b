#include "strings/ur_writer.h"

#include <array>
#include <limits>

#include "files/byte_order.h"

namespace zastrings {
namespace {

constexpr std::string_view kTooMany = "Too many points for a UR file";

}  // namespace

URWriter::URWriter() : file_("Cannot write UR file") {}

bool URWriter::open(const std::string& path) {
    written_ = 0;
    return file_.open(path);
}

bool URWriter::WriteURHeader() {
    const auto header = urHeader();
    return file_.append(std::string_view(header.data(), header.size()));
}

bool URWriter::PutURRecord(const StringRecord& record) {
    // The header's count could not carry another record.
    if (written_ == std::numeric_limits<std::int32_t>::max()) return file_.refuse(kTooMany);
    encodeURRecord(record, block_.data());
    if (!file_.append(std::string_view(block_.data(), block_.size()))) return false;
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
    return counted && closed;
}

void URWriter::abandon() { file_.abandon(); }

}  // namespace zastrings

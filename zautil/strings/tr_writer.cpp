#include "strings/tr_writer.h"

#include <algorithm>

#include "strings/tr_format.h"

namespace zastrings {
TRWriter::TRWriter() : file_("Cannot write TR file") {}

bool TRWriter::open(const std::string& path) { return file_.open(path); }

bool TRWriter::WriteTRHeader() { return file_.append(kTRHeaderLine); }

bool TRWriter::put(std::int32_t stringNumber, std::int32_t pointNumber, double x, double y, double z,
                   std::string_view text) {
    if (stringNumber < 0 || stringNumber > kTRNumberLimit) return file_.refuse("String number too large for a TR file");
    text = text.substr(0, std::min(text.find('\0'), RecordText::kLength));
    if (text.find_first_of("\r\n") != std::string_view::npos) return file_.refuse("Line end in the text of a TR point");
    constexpr std::int32_t kPointNumbers = kTRNumberLimit + 1;
    const std::int32_t shownNumber = (pointNumber % kPointNumbers + kPointNumbers) % kPointNumbers;
    line_.clear();
    if (!appendTRLine(line_, stringNumber, shownNumber, x, y, z, text)) {
        return file_.refuse("Coordinate too wide for its TR column");
    }
    return file_.append(line_);
}

bool TRWriter::PutTRRecord(std::int32_t stringNumber, std::int32_t pointNumber, std::span<const double, 3> point,
                           std::string_view text) {
    return put(stringNumber, pointNumber, point[0], point[1], point[2], text);
}

bool TRWriter::PutTRRecord(const StringRecord& record) {
    return put(record.stringNumber, record.pointNumber, record.x, record.y, record.z, record.text.view());
}

bool TRWriter::close() { return file_.close(); }

}  // namespace zastrings

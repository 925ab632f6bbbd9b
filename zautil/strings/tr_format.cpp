#include "strings/tr_format.h"

#include <algorithm>
#include <cmath>

#include "files/c_numbers.h"

namespace zastrings {
namespace {

constexpr std::size_t kTestedColumns = 7;

struct Column {
    std::size_t start;
    std::size_t width;
};

constexpr Column kStringColumn{0, 6};
constexpr Column kXColumn{12, 13};
constexpr Column kYColumn{25, 13};
// The separator column after z is read with it.
constexpr Column kZColumn{38, 11};
constexpr Column kCodeColumn{49, 4};
constexpr Column kNotesColumn{54, 12};
// Where the numbers end when each kept to its column.
constexpr std::size_t kSeparatorColumn = 48;

constexpr std::size_t kWrittenNotes = 16;

std::string_view field(std::string_view line, Column column) {
    if (column.start >= line.size()) return {};
    return line.substr(column.start, column.width);
}

}  // namespace

bool isTRDataLine(std::string_view line) {
    if (line.size() < kTestedColumns) return false;
    return std::all_of(line.begin(), line.begin() + kTestedColumns,
                       [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
}

void parseTRLine(std::string_view line, StringRecord& record) {
    record.stringNumber = zafiles::readCInt(field(line, kStringColumn));
    record.pointNumber = 0;
    record.x = zafiles::readCReal(field(line, kXColumn));
    record.y = zafiles::readCReal(field(line, kYColumn));
    record.z = zafiles::readCReal(field(line, kZColumn));
    record.text.assign(field(line, kCodeColumn), field(line, kNotesColumn));
}

bool parseTRPoint(std::string_view line, bool lineEnded, StringRecord& record) {
    const std::size_t needed = lineEnded ? kYColumn.start + kYColumn.width : kSeparatorColumn;
    if (line.size() < needed) return false;
    for (const Column column : {kStringColumn, kXColumn, kYColumn}) {
        std::string_view text = field(line, column);
        if (column.start == kStringColumn.start ? !zafiles::takeCInt(text) : !zafiles::takeCReal(text)) return false;
    }
    parseTRLine(line, record);
    return std::isfinite(record.x) && std::isfinite(record.y) && std::isfinite(record.z);
}

bool appendTRLine(std::string& out, std::int32_t stringNumber, std::int32_t pointNumber, double x, double y, double z,
                  std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const std::size_t start = out.size();
    zafiles::appendInt(out, stringNumber, 6);
    zafiles::appendInt(out, pointNumber, 6);
    zafiles::appendFixed(out, x, 13, 4);
    zafiles::appendFixed(out, y, 13, 4);
    zafiles::appendFixed(out, z, 10, 4);
    const bool columnsKept = out.size() - start == kSeparatorColumn;
    out += ' ';
    const std::string_view code = text.substr(0, RecordText::kCodeLength);
    out += code;
    out.append(RecordText::kCodeLength - code.size(), ' ');
    out += ' ';
    if (text.size() > RecordText::kCodeLength) out += text.substr(RecordText::kCodeLength, kWrittenNotes);
    // Cut an absurdly wide line, but keep its line end so the next point
    // still starts a line of its own.
    if (out.size() - start > kTRLineLimit) out.resize(start + kTRLineLimit);
    out += "\r\n";
    return columnsKept;
}

}  // namespace zastrings

// Writes a TR file: the header line, then one data line per point, each
// ended by CRLF for the suite's programs. Every write is checked, and a
// point is refused rather than written on a line that would read back
// wrong: a string number over 999999 or negative, a number too wide for its
// column, a line end in the text. The point number, which no reader uses,
// keeps its 6 columns by counting on from 0 after 999999.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "strings/string_file_output.h"
#include "strings/string_record.h"

namespace zastrings {

class TRWriter {
public:
    TRWriter();

    // Creates the file beside its target, which close() replaces. False
    // when it cannot be created.
    bool open(const std::string& path);

    bool WriteTRHeader();
    // Only the first 20 characters of the text are written: code and notes.
    bool PutTRRecord(std::int32_t stringNumber, std::int32_t pointNumber, std::span<const double, 3> point,
                     std::string_view text);
    bool PutTRRecord(const StringRecord& record);

    // Writes what waits and closes; false when any write or the close failed.
    bool close();
    // Drops the file; the target stays as it was.
    void abandon() { file_.abandon(); }

    // What failed, short ("Cannot write TR file"), and the system's reason.
    const std::string& lastError() const { return file_.lastError(); }
    std::string failureReason() const { return file_.failureReason(); }

private:
    bool put(std::int32_t stringNumber, std::int32_t pointNumber, double x, double y, double z, std::string_view text);

    StringFileOutput file_;
    std::string line_;
};

}  // namespace zastrings

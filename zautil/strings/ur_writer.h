// Writes a UR file: the header with a placeholder count, one block per
// point, then the count fixed up at byte 56. Every write is checked, so a
// full disk or a failed close is reported rather than leaving a file that
// only looks complete.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "strings/string_file_output.h"
#include "strings/string_record.h"
#include "strings/ur_format.h"

namespace zastrings {

class URWriter {
public:
    URWriter();

    // Creates the file beside its target, which finish() replaces. False
    // when it cannot be created.
    bool open(const std::string& path);

    bool WriteURHeader();
    // The text keeps at most 20 characters; a shorter one is filled with spaces.
    bool PutURRecord(std::int32_t stringNumber, std::int32_t pointNumber, std::span<const double, 3> point,
                     std::string_view text);
    bool PutURRecord(const StringRecord& record);

    // Writes the count of records put into block 2 and closes the file.
    bool finish();
    // Drops the file of an export that stopped part way: the target stays
    // as it was. Until then block 2 holds its placeholder, so no reader
    // takes the new file for complete.
    void abandon();

    std::int32_t recordsWritten() const { return written_; }
    // What failed, short ("Cannot write UR file"), and the system's reason.
    const std::string& lastError() const { return file_.lastError(); }
    std::string failureReason() const { return file_.failureReason(); }

private:
    StringFileOutput file_;
    URBlock block_{};
    std::int32_t written_ = 0;
};

}  // namespace zastrings

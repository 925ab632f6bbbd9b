// Reads a TR file: an optional header line, then data lines; lines that do
// not give a whole point are counted as bad and passed over. It says what went
// wrong and leaves the telling to its caller.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "files/byte_source.h"
#include "files/line_reader.h"
#include "strings/string_record.h"

namespace zastrings {

enum class TRFault {
    None,
    CannotOpen,
    NoHeader,       // the file is empty
    NoFirstRecord,  // a header and nothing after it
};

class TRReader {
public:
    // Opens the file and reads up to its first data line; on failure sets
    // fault() and closes the file.
    bool open(const std::string& path);
    // The same on bytes from elsewhere; a null source is a file that could
    // not be opened.
    bool open(std::unique_ptr<zafiles::ByteSource> source);

    // The next data record, the first data line first; false at the end.
    bool next(StringRecord& record);

    // Data lines handed out (the first is good line 1), and lines passed over.
    std::int64_t goodLines() const { return good_; }
    std::int64_t badLines() const { return bad_; }

    TRFault fault() const { return fault_; }
    // The file's size, when it could be taken at opening.
    std::optional<std::uint64_t> bytes() const { return bytes_; }

    void close();

private:
    bool refuse(TRFault fault);
    // A line that gives a point fills the record; any other is counted bad.
    bool takePoint(std::string_view line, StringRecord& record);

    std::optional<zafiles::LineReader> lines_;
    StringRecord first_;
    bool firstWaiting_ = false;
    std::int64_t good_ = 0;
    std::int64_t bad_ = 0;
    TRFault fault_ = TRFault::None;
    std::optional<std::uint64_t> bytes_;
};

}  // namespace zastrings

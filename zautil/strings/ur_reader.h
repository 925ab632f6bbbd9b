// Reads a UR file: checks its header before anything is drawn, then hands
// out its point records one at a time from large blocks, so the import loop
// can report progress and poll the user break between records. It says
// what went wrong and leaves the telling to its caller.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "strings/string_record.h"

namespace zastrings {

// Why a file was refused or cut short, in the order the reader checks.
enum class URFault {
    None,
    CannotOpen,
    CannotSeek,
    BadSize,          // not whole blocks, or fewer than the header and one record
    CannotRead,       // the version block
    NotUR,            // the version tag
    CannotReadCount,  // the count block
    WrongCount,       // the count and the size disagree
    CannotReadJob,
    CannotReadRun,
    ShortRecord,  // the file ended inside the records while they were read
};

enum class URRead {
    Record,       // a record was read
    End,          // every record of the count has been read
    ShortRecord,  // the file ended inside the records
};

struct URSize {
    std::uint64_t bytes = 0;
    std::int64_t records = 0;  // the blocks after the header
};

class URReader {
public:
    URReader();

    // Opens and checks the file; on a refusal sets fault() and closes it.
    bool open(const std::string& path);
    // The same checks on bytes from elsewhere (memory, in tests and fuzzing);
    // a null source is a file that could not be opened.
    bool open(std::unique_ptr<zafiles::ByteSource> source);

    // The next record in file order. A file that ends early gives
    // ShortRecord once the whole records before the cut have been read.
    URRead next(StringRecord& record);

    URFault fault() const { return fault_; }
    // The size, once it has passed its check (also when a later check failed).
    const std::optional<URSize>& size() const { return size_; }
    // The records the header announces.
    std::int64_t recordCount() const { return count_; }

    void close();

private:
    bool refuse(URFault fault);
    bool readHeaderBlock(char* block);
    bool refill();

    std::unique_ptr<zafiles::ByteSource> source_;
    std::vector<char> block_;
    std::size_t blockRecords_ = 0;
    std::size_t blockNext_ = 0;
    std::int64_t count_ = 0;
    std::int64_t read_ = 0;
    bool cut_ = false;
    URFault fault_ = URFault::None;
    std::optional<URSize> size_;
};

}  // namespace zastrings

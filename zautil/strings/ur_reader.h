// Reads a UR file: checks its header before anything is drawn, then hands
// out its point records one at a time from large blocks, so the import loop
// can report progress and poll the user break between records.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "strings/string_record.h"

namespace zastrings {

enum class URRead {
    Record,       // a record was read
    End,          // every record of the count has been read
    ShortRecord,  // the file ended inside the records; reported already
};

class URReader {
public:
    URReader();

    // Opens and checks the file; on a refusal prints and shows its message,
    // sets lastError() and closes the file.
    bool open(const std::string& path);
    // The same checks on bytes from elsewhere (memory, in tests and fuzzing);
    // a null source is a file that could not be opened.
    bool open(std::unique_ptr<zafiles::ByteSource> source);

    // The next record in file order. A file that ends early gives
    // ShortRecord once the whole records before the cut have been read.
    URRead next(StringRecord& record);

    // The records the header announces, and those handed out so far.
    std::int64_t recordCount() const { return count_; }
    std::int64_t recordsRead() const { return read_; }

    // The short form of the last failure, at most 255 characters.
    const std::string& lastError() const { return lastError_; }

    void close();

private:
    bool refuse(const char* shortText, const char* shownText);
    bool readHeaderBlock(char* block);
    bool refill();
    URRead shortRecord();

    std::unique_ptr<zafiles::ByteSource> source_;
    std::vector<char> block_;
    std::size_t blockRecords_ = 0;
    std::size_t blockNext_ = 0;
    std::int64_t count_ = 0;
    std::int64_t read_ = 0;
    bool cut_ = false;
    std::string lastError_;
};

}  // namespace zastrings

// Lines of a text file as the suite's readers take them: a line ends at LF
// (a CR before it goes with it, so CRLF files read alike), a NUL ends its
// text, and at most 255 characters of it are held (or as many as the reader
// is given); the rest of a longer line is passed over, never taken for a
// line of its own.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "files/byte_source.h"

namespace zafiles {

class LineReader {
public:
    static constexpr std::size_t kHeldLength = 255;

    explicit LineReader(std::unique_ptr<ByteSource> source, std::size_t blockBytes = 64 * 1024,
                        std::size_t heldLength = kHeldLength);

    // The next line without its end; nothing at the end of the data. The
    // text stays valid until the next call.
    std::optional<std::string_view> next();
    // Was the line next() gave longer than the held length?
    bool lastLineCut() const { return cut_; }
    // Did the line next() gave end with a line feed (or run past the held
    // length)? A last line without one may be what is left of a cut file.
    bool lastLineEnded() const { return ended_; }

private:
    bool refill();
    bool skipRestOfLine();

    std::string_view held(std::size_t start, std::size_t size, bool whole);

    std::unique_ptr<ByteSource> source_;
    std::size_t heldLength_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;
    bool skipping_ = false;
    bool cut_ = false;
    bool ended_ = false;
};

}  // namespace zafiles

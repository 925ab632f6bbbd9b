#include "files/line_reader.h"

#include <algorithm>
#include <cstring>

namespace zafiles {
namespace {

const char* findLineFeed(const char* from, const char* to) {
    return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(to - from)));
}

}  // namespace

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::size_t blockBytes, std::size_t heldLength)
    // A line's held part and its CRLF must fit with room to spare.
    : source_(std::move(source)), heldLength_(heldLength), buffer_(std::max(blockBytes, 2 * (heldLength + 2))) {}

// A held line: cut at a NUL, without a CR that ended it.
std::string_view LineReader::held(std::size_t start, std::size_t size, bool whole) {
    const char* data = buffer_.data() + start;
    if (whole && size > 0 && data[size - 1] == '\r') --size;
    cut_ = size > heldLength_;
    std::string_view text(data, std::min(size, heldLength_));
    return text.substr(0, text.find('\0'));
}

bool LineReader::refill() {
    if (exhausted_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const std::size_t got = source_->read(std::span<char>(buffer_.data() + end_, buffer_.size() - end_));
    if (got == 0) exhausted_ = true;
    end_ += got;
    return got > 0;
}

bool LineReader::skipRestOfLine() {
    for (;;) {
        const char* data = buffer_.data();
        if (const char* feed = findLineFeed(data + begin_, data + end_)) {
            begin_ = static_cast<std::size_t>(feed - data) + 1;
            skipping_ = false;
            return true;
        }
        begin_ = end_;
        if (!refill()) return false;
    }
}

std::optional<std::string_view> LineReader::next() {
    if (skipping_ && !skipRestOfLine()) return std::nullopt;
    for (;;) {
        const char* data = buffer_.data();
        if (const char* feed = findLineFeed(data + begin_, data + end_)) {
            const std::size_t start = begin_;
            begin_ = static_cast<std::size_t>(feed - data) + 1;
            ended_ = true;
            return held(start, static_cast<std::size_t>(feed - data) - start, true);
        }
        const std::size_t waiting = end_ - begin_;
        // More than a held line and its CR without an LF: the line is too
        // long, so keep its start and pass over the rest.
        if (waiting > heldLength_ + 1) {
            const std::size_t start = begin_;
            begin_ = end_;
            skipping_ = true;
            ended_ = true;
            return held(start, waiting, false);
        }
        if (refill()) continue;
        if (waiting == 0) return std::nullopt;
        const std::size_t start = begin_;
        begin_ = end_;
        ended_ = false;
        return held(start, waiting, true);
    }
}

}  // namespace zafiles

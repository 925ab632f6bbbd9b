#include "strings/ur_reader.h"

#include <algorithm>

#include "files/byte_order.h"
#include "strings/ur_format.h"

namespace zastrings {
namespace {

constexpr std::size_t kRecordsPerBlock = 4096;

}  // namespace

URReader::URReader() = default;

bool URReader::refuse(URFault fault) {
    close();
    fault_ = fault;
    return false;
}

bool URReader::open(const std::string& path) { return open(zafiles::openFileSource(path)); }

bool URReader::readHeaderBlock(char* block) { return source_->read(std::span<char>(block, kURBlockSize)) == kURBlockSize; }

bool URReader::open(std::unique_ptr<zafiles::ByteSource> source) {
    close();
    fault_ = URFault::None;
    size_.reset();
    if (!source) return refuse(URFault::CannotOpen);
    source_ = std::move(source);
    const auto bytes = source_->size();
    if (!bytes) return refuse(URFault::CannotSeek);
    // The size is judged before the version tag is looked at.
    if (*bytes % kURBlockSize != 0 || *bytes < kURMinimumSize) return refuse(URFault::BadSize);
    const auto count = static_cast<std::int64_t>(*bytes / kURBlockSize - kURHeaderBlocks);
    size_ = URSize{*bytes, count};

    URBlock block;
    if (!readHeaderBlock(block.data())) return refuse(URFault::CannotRead);
    if (std::string_view(block.data(), kVersionTag.size()) != kVersionTag) return refuse(URFault::NotUR);
    if (!readHeaderBlock(block.data())) return refuse(URFault::CannotReadCount);
    if (zafiles::loadI32LE(block.data()) != count) return refuse(URFault::WrongCount);
    // The job and run blocks carry nothing a reader needs.
    if (!readHeaderBlock(block.data())) return refuse(URFault::CannotReadJob);
    if (!readHeaderBlock(block.data())) return refuse(URFault::CannotReadRun);

    count_ = count;
    block_.resize(static_cast<std::size_t>(std::min<std::int64_t>(count, kRecordsPerBlock)) * kURBlockSize);
    return true;
}

bool URReader::refill() {
    if (cut_) return false;
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(count_ - read_, kRecordsPerBlock));
    const std::size_t got = source_->read(std::span<char>(block_.data(), wanted * kURBlockSize));
    blockRecords_ = got / kURBlockSize;
    blockNext_ = 0;
    cut_ = blockRecords_ < wanted;
    return blockRecords_ > 0;
}

URRead URReader::next(StringRecord& record) {
    if (read_ == count_) {
        source_.reset();
        return URRead::End;
    }
    if (!source_) return URRead::ShortRecord;
    if (blockNext_ == blockRecords_ && !refill()) {
        source_.reset();
        fault_ = URFault::ShortRecord;
        return URRead::ShortRecord;
    }
    decodeURRecord(block_.data() + blockNext_ * kURBlockSize, record);
    ++blockNext_;
    ++read_;
    return URRead::Record;
}

void URReader::close() {
    source_.reset();
    block_.clear();
    block_.shrink_to_fit();
    blockRecords_ = 0;
    blockNext_ = 0;
    count_ = 0;
    read_ = 0;
    cut_ = false;
}

}  // namespace zastrings

#include "strings/ur_reader.h"

#include <algorithm>

#include "arx/acedads.h"
#include "shell/za_advice.h"
#include "files/byte_order.h"
#include "files/last_error.h"
#include "strings/ur_format.h"

namespace zastrings {
namespace {

constexpr std::size_t kRecordsPerBlock = 4096;

constexpr const char* kCannotOpen = "Cannot open UR file";
constexpr const char* kCannotSeek = "Cannot seek UR file";
constexpr const char* kBadSize = "Bad size for UR file";
constexpr const char* kCannotRead = "Cannot read UR file";
constexpr const char* kNotUR = "Not a UR file";
constexpr const char* kCannotReadCount = "Cannot read UR file (nrPoints)";
constexpr const char* kCannotReadCountShown =
    "Cannot read UR file (nrPoints)\nMaybe access to this directory is restricted\n";
constexpr const char* kWrongCount = "Points incorrect in UR file";
constexpr const char* kWrongCountShown =
    "\n\rPoints incorrect in UR file\nFile size and  number of points must agree\n";
constexpr const char* kCannotReadJob = "Cannot read UR file (job)";
constexpr const char* kCannotReadJobShown = "Cannot read UR file (job)\nFile may not be correct format\n";
constexpr const char* kCannotReadRun = "Cannot read UR file (run)";
constexpr const char* kCannotReadRunShown =
    "Cannot read UR file (run)\nRead fails in binary mode\nNot Zarvo UR file format\n";
constexpr const char* kShortRecord = "Bad or corrupt end to file";
constexpr const char* kShortRecordShown = "Unexpected EOF on UR file\nMaybe UR file has short record \n";

}  // namespace

URReader::URReader() = default;

bool URReader::refuse(const char* shortText, const char* shownText) {
    zafiles::setLastError(lastError_, shortText);
    zaAdviceMessage(shownText);
    close();
    return false;
}

bool URReader::open(const std::string& path) { return open(zafiles::openFileSource(path)); }

bool URReader::readHeaderBlock(char* block) { return source_->read(std::span<char>(block, kURBlockSize)) == kURBlockSize; }

bool URReader::open(std::unique_ptr<zafiles::ByteSource> source) {
    close();
    lastError_.clear();
    if (!source) {
        acutPrintf("\n %s \n", kCannotOpen);
        return refuse(kCannotOpen, kCannotOpen);
    }
    source_ = std::move(source);
    const auto size = source_->size();
    if (!size) {
        acutPrintf("\nSeek fails \n");
        return refuse(kCannotSeek, kCannotSeek);
    }
    // The size is judged before the version tag is looked at.
    if (*size % kURBlockSize != 0 || *size < kURMinimumSize) {
        acutPrintf("\nWrong size \n");
        return refuse(kBadSize, kBadSize);
    }
    const auto count = static_cast<std::int64_t>(*size / kURBlockSize - kURHeaderBlocks);
    acutPrintf("\nPoint records %lld sizeof %d gives file size of %lld bytes\n", static_cast<long long>(count),
               static_cast<int>(kURBlockSize), static_cast<long long>(*size));

    URBlock block;
    if (!readHeaderBlock(block.data())) return refuse(kCannotRead, kCannotRead);
    if (std::string_view(block.data(), kVersionTag.size()) != kVersionTag) return refuse(kNotUR, kNotUR);
    if (!readHeaderBlock(block.data())) return refuse(kCannotReadCount, kCannotReadCountShown);
    if (zafiles::loadI32LE(block.data()) != count) return refuse(kWrongCount, kWrongCountShown);
    // The job and run blocks carry nothing a reader needs.
    if (!readHeaderBlock(block.data())) return refuse(kCannotReadJob, kCannotReadJobShown);
    if (!readHeaderBlock(block.data())) return refuse(kCannotReadRun, kCannotReadRunShown);

    acutPrintf("Check file size.");
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

URRead URReader::shortRecord() {
    if (source_) {
        zafiles::setLastError(lastError_, kShortRecord);
        zaAdviceMessage(kShortRecordShown);
        source_.reset();
    }
    return URRead::ShortRecord;
}

URRead URReader::next(StringRecord& record) {
    if (read_ == count_) {
        source_.reset();
        return URRead::End;
    }
    if (!source_) return URRead::ShortRecord;
    if (blockNext_ == blockRecords_ && !refill()) return shortRecord();
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

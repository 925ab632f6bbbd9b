#include "dxf_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zcad::dxf {

namespace {

constexpr std::size_t kMaxWaiting = (std::size_t{8} << 20) / kPieceBytes;
// Disk writes are started every so many bytes, so the closing fsync waits
// for the tail of the file rather than all of it.
constexpr off_t kWritebackStep = off_t{8} << 20;

int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

}  // namespace

FileWriter::FileWriter(int fd, PiecePool& pool) : fd_(fd), pool_(pool) { thread_ = std::thread([this] { run(); }); }

FileWriter::~FileWriter() { finish(); }

bool FileWriter::take(Piece piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxWaiting || error_ != 0; });
    if (error_ != 0) {
        pool_.put(std::move(piece));
        return false;
    }
    queue_.push_back(std::move(piece));
    changed_.notify_all();
    return true;
}

bool FileWriter::finish() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    if (error_ == 0) return true;
    errno = error_;
    return false;
}

void FileWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
        if (queue_.empty()) return;
        Piece piece = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        const int error = error_ == 0 ? writeAll(fd_, piece.view()) : 0;
        if (error == 0) startWriteback(piece.size);
        // The pool never allocates here, so this thread never throws.
        pool_.put(std::move(piece));
        lock.lock();
        if (error != 0) error_ = error;
        changed_.notify_all();
    }
}

void FileWriter::startWriteback(std::size_t written) {
    written_ += static_cast<off_t>(written);
    if (written_ - startedTo_ < kWritebackStep) return;
    // Only a hint: where it is not supported the fsync does all the work.
    ::sync_file_range(fd_, startedTo_, written_ - startedTo_, SYNC_FILE_RANGE_WRITE);
    startedTo_ = written_;
}

}  // namespace zcad::dxf

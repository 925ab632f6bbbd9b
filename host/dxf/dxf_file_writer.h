// Writes a drawing's pieces to a file on a thread of its own, so that making
// the text and handing it to the kernel overlap. Memory stays bounded: a
// few megabytes wait at most.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "dxf_pieces.h"

namespace zcad::dxf {

class FileWriter final : public PieceSink {
public:
    // Written pieces go back to `pool`, which outlives the writer.
    FileWriter(int fd, PiecePool& pool);
    ~FileWriter() override;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Queues the piece; false once a write has failed.
    bool take(Piece piece) override;
    // Waits until everything queued is written. False on a failed write,
    // with errno set to its error.
    bool finish();

private:
    void run();
    void startWriteback(std::size_t written);

    int fd_;
    PiecePool& pool_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Piece> queue_;
    bool closing_ = false;
    int error_ = 0;
    off_t written_ = 0;     // by the writing thread only
    off_t startedTo_ = 0;   // bytes whose disk write has been started
    std::thread thread_;
};

}  // namespace zcad::dxf

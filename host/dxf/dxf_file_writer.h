// Writes a drawing's text to a file on a thread of its own, so that making
// the text and handing it to the kernel overlap. Memory stays bounded: a
// few pieces wait at most.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zcad::dxf {

class FileWriter {
public:
    explicit FileWriter(int fd);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Queues a copy of `bytes`; false once a write has failed.
    bool put(std::string_view bytes);
    // Waits until everything queued is written. False on a failed write,
    // with errno set to its error.
    bool finish();

private:
    void run();
    void startWriteback(std::size_t written);

    int fd_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> queue_;
    std::vector<std::string> spare_;
    bool closing_ = false;
    int error_ = 0;
    off_t written_ = 0;     // by the writing thread only
    off_t startedTo_ = 0;   // bytes whose disk write has been started
    std::thread thread_;
};

}  // namespace zcad::dxf

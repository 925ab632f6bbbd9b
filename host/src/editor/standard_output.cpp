#include "standard_output.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "zcad/text_edges.h"

namespace zcad {

namespace {

// Set once the thread below has stopped, at exit: what is printed after
// that (a static's destructor, say) is flushed as it comes.
constinit std::atomic<bool> flushingAlone{false};

// A command that prints a line per entity prints a million lines: a write
// to the pipe for each is most of its time. Lines wait in stdio's buffer
// instead, and this thread empties it soon after anything was written, so
// that progress shows through `tee` and the last line before a long silent
// step is not held back. Waiting for input, writing to standard error and
// starting a program flush it first where they happen.
class DelayedFlush {
public:
    DelayedFlush() : thread_([this] { run(); }) {}
    ~DelayedFlush() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        woken_.notify_one();
        thread_.join();
        flushingAlone.store(true);
    }
    DelayedFlush(const DelayedFlush&) = delete;
    DelayedFlush& operator=(const DelayedFlush&) = delete;

    // Cheap when a flush is already due: only the first write after one
    // wakes the thread.
    void wrote() {
        if (pending_.exchange(true, std::memory_order_acq_rel)) return;
        // Through the mutex, so that the thread cannot miss the news between
        // looking at `pending_` and going to sleep.
        { const std::lock_guard lock(mutex_); }
        woken_.notify_one();
    }

private:
    static constexpr std::chrono::milliseconds kLatest{50};

    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            woken_.wait(lock, [this] { return stopping_ || pending_.load(std::memory_order_acquire); });
            if (stopping_) return;
            // Let a burst fill the buffer, unless the session ends first.
            woken_.wait_for(lock, kLatest, [this] { return stopping_; });
            pending_.store(false, std::memory_order_release);
            lock.unlock();
            std::fflush(stdout);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable woken_;
    std::atomic<bool> pending_{false};
    bool stopping_ = false;
    std::thread thread_;
};

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

void writeStandardOutput(std::string_view text) {
    static const bool toTerminal = ::isatty(STDOUT_FILENO) == 1;
    if (isAscii(text)) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else {
        const std::string utf8 = utf8OfHostText(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    }
    if (toTerminal || flushingAlone.load()) {
        std::fflush(stdout);
        return;
    }
    static DelayedFlush flush;
    flush.wrote();
}

}  // namespace zcad

// Reading that runs ahead of its use: a second thread fills batches from a
// reader while the caller takes them in file order, never more than a few
// batches ahead, so that memory stays bounded however long the file. The
// second thread calls nothing but the fill it is given: every host call
// stays with the caller. Stopping (or destroying) it early stops and joins
// the second thread, whatever the caller was doing when it gave up.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace zafiles {

// Files smaller than this are read on the caller's thread: starting a thread
// would cost more than it saves.
std::uint64_t decodeAheadMinimumBytes();
// Tests set it to 0 to read every file ahead, or to the largest value to
// read none ahead.
void setDecodeAheadMinimumBytes(std::uint64_t bytes);
inline bool worthDecodingAhead(std::uint64_t bytes) { return bytes >= decodeAheadMinimumBytes(); }

template <class Batch>
class DecodeAhead {
public:
    // fill empties a batch and fills it; false when that batch is the last.
    // An exception it throws reaches the caller after the batches before it.
    using Fill = std::function<bool(Batch&)>;

    explicit DecodeAhead(Fill fill, bool threaded = true, std::size_t depth = 3)
        : fill_(std::move(fill)), slots_(threaded ? std::max<std::size_t>(depth, 2) : 1) {
        if (threaded) producer_ = std::thread([this] { produce(); });
    }
    DecodeAhead(const DecodeAhead&) = delete;
    DecodeAhead& operator=(const DecodeAhead&) = delete;
    ~DecodeAhead() { stop(); }

    // The next batch in order, valid until the next call; null after the last.
    const Batch* next() {
        if (stopped_) return nullptr;
        if (!producer_.joinable()) return nextInline();
        std::unique_lock lock(mutex_);
        if (holding_) {
            holding_ = false;
            ++read_;
            --filled_;
            roomFreed_.notify_one();
        }
        batchReady_.wait(lock, [this] { return filled_ > 0 || done_; });
        if (filled_ == 0) {
            if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
            return nullptr;
        }
        holding_ = true;
        return &slots_[read_ % slots_.size()];
    }

    // Nothing more is wanted: the second thread ends after the batch in its
    // hands, and is joined.
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        roomFreed_.notify_all();
        if (producer_.joinable()) producer_.join();
        stopped_ = true;
    }

private:
    const Batch* nextInline() {
        if (done_) return nullptr;
        done_ = !fill_(slots_.front());
        return &slots_.front();
    }

    void produce() {
        for (std::size_t write = 0;; ++write) {
            {
                std::unique_lock lock(mutex_);
                roomFreed_.wait(lock, [this] { return filled_ < slots_.size() || stopping_; });
                if (stopping_) return;
            }
            // The slot is the producer's alone until it is counted as filled.
            bool more = false;
            std::exception_ptr error;
            try {
                more = fill_(slots_[write % slots_.size()]);
            } catch (...) {
                error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex_);
                if (error) {
                    error_ = error;
                } else {
                    ++filled_;
                }
                done_ = !more;
            }
            batchReady_.notify_one();
            if (!more) return;
        }
    }

    Fill fill_;
    std::vector<Batch> slots_;
    std::mutex mutex_;
    std::condition_variable roomFreed_;
    std::condition_variable batchReady_;
    std::size_t filled_ = 0;  // batches written and not yet given back
    std::size_t read_ = 0;
    bool holding_ = false;  // the caller still reads slot read_
    bool done_ = false;
    bool stopping_ = false;
    bool stopped_ = false;  // the caller's own: it wants nothing more
    std::exception_ptr error_;
    std::thread producer_;
};

// Items pulled one at a time from a reader, decoded ahead in batches. The
// pull fills one item and says whether another may follow: the reader's
// end, cut or fault travels as the last item, so the caller meets the very
// sequence it would meet pulling from the reader itself.
template <class Item>
class PullAhead {
public:
    using Pull = std::function<bool(Item&)>;
    static constexpr std::size_t kBatchItems = 4096;

    PullAhead(Pull pull, bool threaded, std::size_t batchItems = kBatchItems, std::size_t depth = 3)
        : batches_(
              [pull = std::move(pull), batchItems](std::vector<Item>& batch) {
                  batch.clear();
                  batch.reserve(batchItems);
                  while (batch.size() < batchItems) {
                      if (!pull(batch.emplace_back())) return false;
                  }
                  return true;
              },
              threaded, depth) {}

    // The next item, valid until the next call; null after the last.
    const Item* next() {
        while (!batch_ || at_ == batch_->size()) {
            batch_ = batches_.next();
            at_ = 0;
            if (!batch_) return nullptr;
        }
        return &(*batch_)[at_++];
    }

    void stop() {
        batches_.stop();
        batch_ = nullptr;
    }

private:
    DecodeAhead<std::vector<Item>> batches_;
    const std::vector<Item>* batch_ = nullptr;
    std::size_t at_ = 0;
};

}  // namespace zafiles

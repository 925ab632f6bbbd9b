// The ENTITIES section's contents: the database's entities with the kept
// paper-space entities in their places. A large drawing is made by several
// threads, each writing runs of entities into text of its own, and the runs
// are handed on in order; memory stays at a few runs.
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "dxf_writer.h"
#include "state/session_state.h"

namespace zcad::dxf {

namespace {

constexpr EntityId kRunLength = 8192;
// Below this a thread costs more than it saves.
constexpr std::size_t kParallelFrom = 4 * kRunLength;
constexpr unsigned kMostWorkers = 4;

struct EntityWriters {
    unsigned wanted = 0;  // 0: the drawing's size and the machine decide
};

bool isFollower(std::string_view type) { return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND"; }

// The POLYLINE or INSERT whose followers may continue at `first`, as a
// walk from the start would have left it.
std::uint64_t parentBefore(const Database& db, EntityId first) {
    std::vector<Group> groups;
    for (EntityId id = first; id > 0;) {
        --id;
        if (!db.valid(id)) continue;
        const std::string_view type = db.type(id);
        if (type == "VERTEX" || type == "ATTRIB") continue;
        if (isFollower(type)) return 0;
        decodeGroups(db.list(id), groups);
        return opensSequence(type, groups) ? db.handle(id) : 0;
    }
    return 0;
}

// Entities [first, last) with what was kept (paper space, comments) before each.
void writeRun(WriteContext& ctx, EntityId first, EntityId last) {
    const std::vector<KeptEntity>* kept = ctx.kept ? &ctx.kept->keptEntities : nullptr;
    auto next = kept ? std::lower_bound(kept->begin(), kept->end(), first,
                                        [](const KeptEntity& e, EntityId id) { return e.before < id; })
                     : std::vector<KeptEntity>::const_iterator();
    for (EntityId id = first; id < last; ++id) {
        for (; kept && next != kept->end() && next->before <= id; ++next) writeKeptRange(ctx, next->raw);
        if (ctx.db.valid(id)) writeEntity(ctx, id);
    }
}

class ParallelRuns {
public:
    ParallelRuns(WriteContext& ctx, EntityId count, unsigned workers)
        : ctx_(ctx), count_(count), runs_((count + kRunLength - 1) / kRunLength), slots_(2 * workers) {
        // Fewer threads than asked still finish the job; none at all is for
        // the caller to handle, before anything was written.
        threads_.reserve(workers);
        try {
            for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { work(); });
        } catch (...) {
            if (threads_.empty()) throw;
        }
    }

    ~ParallelRuns() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            changed_.notify_all();
        }
        for (auto& thread : threads_) thread.join();
    }

    // Hands each run to the output as soon as it and those before it are made.
    void emit() {
        for (std::size_t run = 0; run < runs_; ++run) {
            Slot& slot = slots_[run % slots_.size()];
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return slot.ready || failure_; });
            if (failure_) std::rethrow_exception(failure_);
            lock.unlock();
            ctx_.out.bytes(slot.text);
            // Once the file refuses a piece there is no use making more.
            if (ctx_.out.failed()) return;
            slot.text.clear();
            lock.lock();
            slot.ready = false;
            emitted_ = run + 1;
            changed_.notify_all();
        }
    }

private:
    struct Slot {
        std::string text;  // keeps its capacity from run to run
        bool ready = false;
    };

    void work() {
        std::unique_lock lock(mutex_);
        for (;;) {
            const std::size_t run = claimed_++;
            if (run >= runs_) return;
            changed_.wait(lock, [&] { return stopping_ || run < emitted_ + slots_.size(); });
            if (stopping_) return;
            Slot& slot = slots_[run % slots_.size()];
            lock.unlock();
            try {
                make(run, slot.text);
            } catch (...) {
                lock.lock();
                failure_ = std::current_exception();
                changed_.notify_all();
                return;
            }
            lock.lock();
            slot.ready = true;
            changed_.notify_all();
        }
    }

    void make(std::size_t run, std::string& text) const {
        const auto first = static_cast<EntityId>(run * kRunLength);
        const EntityId last = std::min<EntityId>(first + kRunLength, count_);
        WriteContext part(ctx_.db, ctx_.kept, ctx_.version, [&text](std::string_view bytes) {
            text.append(bytes);
            return true;
        });
        part.modelSpace = ctx_.modelSpace;
        part.parent = parentBefore(ctx_.db, first);
        writeRun(part, first, last);
        part.out.flush();
    }

    WriteContext& ctx_;
    const EntityId count_;
    const std::size_t runs_;
    std::vector<Slot> slots_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t claimed_ = 0;
    std::size_t emitted_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
};

}  // namespace

void setEntityWriters(unsigned threads) { sessionState<EntityWriters>().wanted = threads; }

void writeAllEntities(WriteContext& ctx) {
    const auto count = static_cast<EntityId>(ctx.db.entityCount());
    const unsigned wanted = sessionState<EntityWriters>().wanted;
    const unsigned workers = wanted ? wanted : std::min(std::thread::hardware_concurrency(), kMostWorkers);
    if ((count < kParallelFrom && wanted == 0) || workers < 2) {
        writeRun(ctx, 0, count);
    } else {
        std::optional<ParallelRuns> runs;
        try {
            runs.emplace(ctx, count, workers);
        } catch (const std::system_error&) {
        }
        if (runs) {
            runs->emit();
        } else {
            writeRun(ctx, 0, count);  // no thread could be started
        }
    }
    if (!ctx.kept) return;
    const auto& kept = ctx.kept->keptEntities;
    for (auto it = std::lower_bound(kept.begin(), kept.end(), count,
                                    [](const KeptEntity& e, EntityId id) { return e.before < id; });
         it != kept.end(); ++it) {
        writeKeptRange(ctx, it->raw);
    }
}

}  // namespace zcad::dxf

// The ENTITIES section's contents: the database's entities with the kept
// paper-space entities in their places. A large drawing is made by several
// threads, each writing runs of entities into text of its own, and the runs
// are handed on in order; memory stays at a few runs.
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "dxf_writer.h"
#include "state/session_state.h"

namespace zcad::dxf {

namespace {

constexpr EntityId kRunLength = 8192;
// Below this a thread costs more than it saves.
constexpr std::size_t kParallelFrom = 4 * kRunLength;
constexpr unsigned kMostWriters = 4;

struct EntityWriters {
    unsigned wanted = 0;  // 0: the drawing's size and the machine decide
};

void writeKeptEntities(WriteContext& ctx, const RawRange& range) {
    if (ctx.toR12) return writeKeptR12(ctx, range);
    writeKeptRange(ctx, range);
}

bool isFollower(std::string_view type) { return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND"; }

// The POLYLINE or INSERT whose followers may continue at `first`, as a
// walk from the start would have left it.
std::uint64_t parentBefore(const Database& db, EntityId first, std::vector<Group>& groups) {
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
        for (; kept && next != kept->end() && next->before <= id; ++next) writeKeptEntities(ctx, next->raw);
        if (ctx.db.valid(id)) writeEntity(ctx, id);
    }
}

// Pieces that make a run go to the run's slot, not to the file.
class RunSink final : public PieceSink {
public:
    void aim(std::vector<Piece>* run) { run_ = run; }
    bool take(Piece piece) override {
        run_->push_back(std::move(piece));
        return true;
    }

private:
    std::vector<Piece>* run_ = nullptr;
};

// One thread's means of making runs, kept from run to run so that decode
// buffers and angle tables are built once.
struct RunMaker {
    explicit RunMaker(const WriteContext& ctx) : part(ctx.db, ctx.kept, ctx.version, ctx.pool, &sink) {
        part.modelSpace = ctx.modelSpace;
    }

    void make(EntityId first, EntityId last, std::vector<Piece>& run) {
        sink.aim(&run);
        // Only owners need it, and R12 has none: a run inside a long mesh
        // would walk back over its vertices for nothing.
        part.parent = part.laterThanR12 ? parentBefore(part.db, first, part.groups) : 0;
        writeRun(part, first, last);
        part.out.flush();
    }

    RunSink sink;
    WriteContext part;
};

// Runs are made by the calling thread and `helpers` more; the calling
// thread alone hands them on, in order, between runs of its own.
class ParallelRuns {
public:
    ParallelRuns(WriteContext& ctx, EntityId count, unsigned helpers)
        : ctx_(ctx), count_(count), runs_((count + kRunLength - 1) / kRunLength), slots_(2 * (helpers + 1)) {
        // Fewer threads than asked, or none, still finish the job: this
        // thread makes runs too.
        threads_.reserve(helpers);
        for (unsigned i = 0; i < helpers; ++i) {
            try {
                threads_.emplace_back([this] { work(); });
            } catch (...) {
                break;
            }
        }
    }

    ~ParallelRuns() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            changed_.notify_all();
        }
        for (auto& thread : threads_) thread.join();
        for (Slot& slot : slots_) {
            for (Piece& piece : slot.pieces) ctx_.pool.put(std::move(piece));
        }
    }

    void emit() {
        RunMaker maker(ctx_);
        std::unique_lock lock(mutex_);
        while (emitted_ < runs_) {
            if (failure_) std::rethrow_exception(failure_);
            Slot& next = slots_[emitted_ % slots_.size()];
            if (next.ready) {
                lock.unlock();
                ctx_.out.pieces(next.pieces);
                // Once the file refuses a piece there is no use making more.
                if (ctx_.out.failed()) return;
                lock.lock();
                next.ready = false;
                ++emitted_;
                changed_.notify_all();
                continue;
            }
            if (claimable()) {
                makeClaimed(lock, maker);
                continue;
            }
            changed_.wait(lock);
        }
    }

private:
    struct Slot {
        std::vector<Piece> pieces;  // keeps its capacity from run to run
        bool ready = false;
    };

    bool claimable() const { return claimed_ < runs_ && claimed_ < emitted_ + slots_.size(); }

    // Makes the next run; called and left with the lock held.
    void makeClaimed(std::unique_lock<std::mutex>& lock, RunMaker& maker) {
        const std::size_t run = claimed_++;
        Slot& slot = slots_[run % slots_.size()];
        lock.unlock();
        const auto first = static_cast<EntityId>(run * kRunLength);
        maker.make(first, std::min<EntityId>(first + kRunLength, count_), slot.pieces);
        lock.lock();
        slot.ready = true;
        changed_.notify_all();
    }

    void work() {
        std::unique_lock lock(mutex_);
        try {
            RunMaker maker(ctx_);
            for (;;) {
                changed_.wait(lock, [&] { return stopping_ || failure_ || claimable() || claimed_ >= runs_; });
                if (stopping_ || failure_ || claimed_ >= runs_) return;
                makeClaimed(lock, maker);
            }
        } catch (...) {
            if (!lock.owns_lock()) lock.lock();
            failure_ = std::current_exception();
            changed_.notify_all();
        }
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
    const unsigned writers = wanted ? wanted : std::min(std::thread::hardware_concurrency(), kMostWriters);
    // A conversion counts what it converts, in one pass.
    if ((count < kParallelFrom && wanted == 0) || writers < 2 || ctx.toR12) {
        writeRun(ctx, 0, count);
    } else {
        ParallelRuns(ctx, count, writers - 1).emit();
    }
    if (!ctx.kept) return;
    const auto& kept = ctx.kept->keptEntities;
    for (auto it = std::lower_bound(kept.begin(), kept.end(), count,
                                    [](const KeptEntity& e, EntityId id) { return e.before < id; });
         it != kept.end(); ++it) {
        writeKeptEntities(ctx, it->raw);
    }
}

}  // namespace zcad::dxf

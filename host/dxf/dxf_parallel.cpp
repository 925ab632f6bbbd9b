#include "dxf_parallel.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "dxf_groups.h"
#include "dxf_numbers.h"
#include "dxf_scanner.h"
#include "state/session_state.h"
#include "text/number_text.h"
#include "zcad/group_list.h"
#include "zcad/text.h"

namespace zcad::dxf {

struct PreparedRange {
    const char* start = nullptr;  // ranges own the entities whose type value starts from here
    const char* limit = nullptr;  // up to here
    bool last = false;
    const char* from = nullptr;   // the code line its scan starts at; null: none found
    const char* first = nullptr;  // value of the first group 0 it met
    const char* end = nullptr;    // value of the first group 0 at or past its limit; null: not known
    const char* endLine = nullptr;
    std::vector<PreparedEntity> entities;
    std::vector<std::uint8_t> bytes;
    std::vector<std::pair<std::uint64_t, double>> degrees;
    bool done = false;
    bool checked = false;
};

namespace {

constexpr std::size_t kParallelFrom = std::size_t{16} << 20;
constexpr std::size_t kRangeBytes = std::size_t{4} << 20;
constexpr unsigned kMostReaders = 8;

struct Readers {
    unsigned wanted = 0;
    std::size_t rangeBytes = 0;
};

std::string_view lineAt(const char* at, const char* end, const char*& next) {
    const char* stop = std::find(at, end, '\n');
    next = stop < end ? stop + 1 : end;
    std::string_view line(at, static_cast<std::size_t>(stop - at));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return trimmed(line);
}

bool isCode(std::string_view line) {
    std::int64_t code = 0;
    return !line.empty() && parseInteger(line, code);
}

const char* lineStart(const char* begin, const char* at) {
    while (at > begin && at[-1] != '\n') --at;
    return at;
}

// A code line holding 0 whose value is no number cannot be a value line
// (a code would follow it); the codes two lines before and after confirm it.
const char* resync(std::string_view text, const char* at) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* before = nullptr;
    const char* line = lineStart(begin, at > begin ? at - 1 : at);
    const char* previous = nullptr;
    while (line < end) {
        const char* valueLine = nullptr;
        const std::string_view code = lineAt(line, end, valueLine);
        if (valueLine >= at && code == "0" && valueLine < end) {
            const char* after = nullptr;
            const std::string_view value = lineAt(valueLine, end, after);
            const char* ignored = nullptr;
            const bool codeAfter = after >= end || isCode(lineAt(after, end, ignored));
            const bool codeBefore = !before || isCode(lineAt(before, end, ignored));
            if (!value.empty() && !isCode(value) && codeAfter && codeBefore) return line;
        }
        before = previous;
        previous = line;
        line = valueLine;
    }
    return nullptr;
}

void drop(PreparedRange& range, std::size_t listAt, std::size_t degreesAt) {
    range.bytes.resize(listAt);
    range.degrees.resize(degreesAt);
}

// The body of the entity typed by `token`, converted as the reader does;
// `token` is left at the group after it. False when the scan cannot go on.
bool prepare(Scanner& scanner, Token& token, PreparedRange& range, TextEncoding encoding, AngleTable& angleTable,
             std::string& scratch) {
    const Token typeToken = token;
    const std::size_t listAt = range.bytes.size();
    const std::size_t degreesAt = range.degrees.size();
    const std::string type = upperCase(decodeText(trimmed(typeToken.value), encoding, scratch));
    bool simple = !type.empty();
    const auto& angleCodes = angleTable.of(type);
    GroupWriter writer(range.bytes);
    writer.string(0, type);
    std::uint64_t handle = 0;
    bool seenHandle = false;
    bool extended = false;
    std::int64_t declaredVertices = -1;
    std::int64_t vertices = 0;
    Group g;
    while (true) {
        if (!scanner.next(token)) {
            drop(range, listAt, degreesAt);
            return false;
        }
        if (token.code == 0) break;
        if (!simple) continue;
        if (token.code == 5 && !extended) {
            simple = !seenHandle && !trimmed(token.value).empty() && parseHandle(token.value, handle);
            seenHandle = true;
            continue;
        }
        if (token.code == 1001) extended = true;
        const bool angle = !extended && isAngleCode(angleCodes, token.code);
        GroupLeniency leniency;
        if (!readGroup(scanner, token, encoding, scratch, g, &leniency)) {
            if (scanner.failed()) {
                drop(range, listAt, degreesAt);
                return false;
            }
            simple = false;
            continue;
        }
        if (leniency.unsigned16) simple = false;
        if (angle && g.kind == GroupKind::Real) {
            const double degrees = g.xyz[0];
            g.xyz[0] = degreesToRadians(degrees);
            if (!degreesComeBack(degrees, g.xyz[0])) {
                range.degrees.emplace_back(std::bit_cast<std::uint64_t>(g.xyz[0]), degrees);
            }
        }
        if (!extended) {
            if (token.code == 67 && g.integer == 1) simple = false;  // paper space is kept as written
            if (token.code == 90 && declaredVertices < 0) declaredVertices = g.integer;
            if (token.code == 10) ++vertices;
        }
        writer.group(g);
    }
    if (type == "LWPOLYLINE" && declaredVertices >= 0 && declaredVertices != vertices) simple = false;
    if (range.bytes.size() - listAt > 0xFFFFFFF0u) simple = false;
    if (!simple) {
        drop(range, listAt, degreesAt);
        return true;
    }
    PreparedEntity entity;
    entity.type = typeToken.value.data();
    entity.resume = scanner.position();
    entity.next = token.value;
    entity.lines = token.line - typeToken.line;
    entity.handle = handle;
    entity.listAt = listAt;
    entity.listSize = range.bytes.size() - listAt;
    entity.degreesAt = degreesAt;
    entity.degreesCount = range.degrees.size() - degreesAt;
    entity.crlf = scanner.crlf();
    range.entities.push_back(entity);
    return true;
}

void scan(std::string_view text, PreparedRange& range, TextEncoding encoding) {
    if (!range.from) return;
    const char* end = text.data() + text.size();
    Scanner scanner(std::string_view(range.from, static_cast<std::size_t>(end - range.from)));
    AngleTable angles;
    std::string scratch;
    Token token;
    bool more = scanner.next(token);
    while (more) {
        if (token.code != 0) {
            more = scanner.next(token);
            continue;
        }
        const char* at = token.value.data();
        if (!range.first) range.first = at;
        if (!range.last && at >= range.limit) {
            range.end = at;
            range.endLine = lineStart(text.data(), at - 1);
            return;
        }
        more = prepare(scanner, token, range, encoding, angles, scratch);
    }
}

void clear(PreparedRange& range) {
    range.entities = {};
    range.bytes = {};
    range.degrees = {};
}

}  // namespace

struct ParallelEntities::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t claimed = 0;
    std::size_t released = 0;
    std::size_t window = 0;
    bool stopping = false;
    std::vector<std::thread> threads;
    // Buffers of ranges the reader let go, for the next ones: fresh memory
    // for every range would cost a page fault per page.
    std::vector<PreparedRange> spare;
};

void setDxfReaders(unsigned threads, std::size_t rangeBytes) {
    sessionState<Readers>() = {threads, rangeBytes};
}

std::unique_ptr<ParallelEntities> ParallelEntities::start(std::string_view text, TextEncoding encoding) {
    const Readers wanted = sessionState<Readers>();
    const unsigned machine = std::min(std::thread::hardware_concurrency(), kMostReaders);
    const unsigned threads = wanted.wanted ? wanted.wanted : machine;
    if (threads < 2 || (text.size() < kParallelFrom && wanted.rangeBytes == 0)) return nullptr;
    const std::size_t rangeBytes = wanted.rangeBytes ? wanted.rangeBytes : kRangeBytes;
    return std::make_unique<ParallelEntities>(text, encoding, threads, rangeBytes);
}

ParallelEntities::ParallelEntities(std::string_view text, TextEncoding encoding, unsigned threads,
                                   std::size_t rangeBytes)
    : text_(text), encoding_(encoding), shared_(std::make_unique<Shared>()) {
    const std::size_t count = std::max<std::size_t>(1, (text.size() + rangeBytes - 1) / rangeBytes);
    ranges_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto range = std::make_unique<PreparedRange>();
        range->start = text.data() + i * rangeBytes;
        range->last = i + 1 == count;
        range->limit = range->last ? text.data() + text.size() : range->start + rangeBytes;
        ranges_.push_back(std::move(range));
    }
    // Ranges wait for the reader rather than fill the memory ahead of it.
    shared_->window = 2 * static_cast<std::size_t>(threads) + 2;
    try {
        for (unsigned i = 0; i < threads; ++i) shared_->threads.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        // Fewer threads still finish: the reader scans what is not ready.
    }
}

ParallelEntities::~ParallelEntities() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->changed.notify_all();
    for (auto& thread : shared_->threads) thread.join();
}

void ParallelEntities::work() {
    while (true) {
        std::size_t index = 0;
        {
            std::unique_lock lock(shared_->mutex);
            shared_->changed.wait(lock, [&] {
                return shared_->stopping || shared_->claimed >= ranges_.size() ||
                       shared_->claimed < shared_->released + shared_->window;
            });
            if (shared_->stopping || shared_->claimed >= ranges_.size()) return;
            index = shared_->claimed++;
        }
        PreparedRange& range = *ranges_[index];
        {
            const std::lock_guard lock(shared_->mutex);
            if (!shared_->spare.empty()) {
                range.entities = std::move(shared_->spare.back().entities);
                range.bytes = std::move(shared_->spare.back().bytes);
                range.degrees = std::move(shared_->spare.back().degrees);
                shared_->spare.pop_back();
            }
        }
        try {
            range.from = index == 0 ? text_.data() : resync(text_, range.start);
            scan(text_, range, encoding_);
        } catch (...) {
            // Out of memory here only costs speed: the reader reads the range itself.
            clear(range);
            range.first = nullptr;
            range.end = nullptr;
        }
        {
            const std::lock_guard lock(shared_->mutex);
            range.done = true;
        }
        shared_->changed.notify_all();
    }
}

// Waits for range `index`, and checks that its scan starts where the one
// before it ended; if not, it started on a value line or passed over
// entities, and is scanned again from there on this thread.
bool ParallelEntities::ready(std::size_t index) {
    PreparedRange& range = *ranges_[index];
    if (range.checked) return true;  // only this thread sets it
    {
        std::unique_lock lock(shared_->mutex);
        // A range no thread claimed is scanned here.
        if (shared_->claimed <= index && shared_->threads.empty()) {
            range.from = index == 0 ? text_.data() : resync(text_, range.start);
            scan(text_, range, encoding_);
            range.done = true;
        }
        shared_->changed.wait(lock, [&] { return range.done; });
    }
    range.checked = true;
    if (index == 0) return true;
    const PreparedRange& before = *ranges_[index - 1];
    if (before.end && range.first == before.end) return true;
    clear(range);
    range.first = nullptr;
    range.end = nullptr;
    if (!before.end) return true;
    range.from = before.endLine;
    ++rescanned_;
    scan(text_, range, encoding_);
    return true;
}

const PreparedEntity* ParallelEntities::find(const char* type) {
    while (range_ < ranges_.size()) {
        ready(range_);
        const PreparedRange& range = *ranges_[range_];
        const auto& entities = range.entities;
        while (entry_ < entities.size() && entities[entry_].type < type) ++entry_;
        if (entry_ < entities.size()) return entities[entry_].type == type ? &entities[entry_] : nullptr;
        if (range.last || type < range.limit) return nullptr;
        PreparedRange& passed = *ranges_[range_];
        passed.entities.clear();
        passed.bytes.clear();
        passed.degrees.clear();
        ++range_;
        entry_ = 0;
        {
            const std::lock_guard lock(shared_->mutex);
            shared_->released = range_;
            PreparedRange& spare = shared_->spare.emplace_back();
            spare.entities = std::move(passed.entities);
            spare.bytes = std::move(passed.bytes);
            spare.degrees = std::move(passed.degrees);
        }
        shared_->changed.notify_all();
    }
    return nullptr;
}

std::span<const std::uint8_t> ParallelEntities::list(const PreparedEntity& entity) const {
    return {ranges_[range_]->bytes.data() + entity.listAt, entity.listSize};
}

std::span<const std::pair<std::uint64_t, double>> ParallelEntities::degrees(const PreparedEntity& entity) const {
    return {ranges_[range_]->degrees.data() + entity.degreesAt, entity.degreesCount};
}

}  // namespace zcad::dxf

#include <utility>

#include "zcad/undo.h"

namespace zcad {

// The parts of the drawing that are edited in place. Each part is kept
// only while it differs from the drawing's: in an open step, as the step
// found it; in a closed one, its state on the other side of the step.
struct UndoJournal::Tables {
    std::optional<SymbolTable> layers;
    std::optional<SymbolTable> styles;
    std::optional<SymbolTable> linetypes;
    std::optional<std::vector<HeaderVar>> header;
    std::optional<ViewState> view;

    bool empty() const { return !layers && !styles && !linetypes && !header && !view; }
};

namespace {

template <class T>
void keepIfChanged(std::optional<T>& kept, const T& now) {
    if (kept && *kept == now) kept.reset();
}

template <class T>
void swapIfKept(std::optional<T>& kept, T& now) {
    if (kept) std::swap(*kept, now);
}

}  // namespace

UndoJournal::UndoJournal() = default;
UndoJournal::~UndoJournal() = default;

void UndoJournal::begin(Database& db, std::string_view name) {
    if (!open_) start(db, name);
}

void UndoJournal::end(Database& db) {
    if (open_ && !grouping_) close(db);
}

void UndoJournal::start(Database& db, std::string_view name) {
    Step step;
    step.name = std::string(name);
    step.count = db.visible_;
    step.arena = db.arena_.mark();
    step.handleSeed = db.handleSeed_;
    step.stateBefore = db.state_;
    open_ = std::move(step);
    before_ = std::make_unique<Tables>(Tables{db.layers_, db.styles_, db.linetypes_, db.header_, db.view});
    db.journalFrom_ = db.visible_;
}

void UndoJournal::close(Database& db) {
    db.journalFrom_ = 0;
    std::unique_ptr<Tables> tables = std::move(before_);
    if (db.state_ == open_->stateBefore) {
        open_.reset();
        return;
    }
    // A command that changed only tables leaves the steps taken back
    // waiting for REDO until here.
    if (db.redoHeld_) dropRedo(db);
    Step step = std::move(*open_);
    open_.reset();
    step.stateAfter = db.state_;
    keepIfChanged(tables->layers, db.layers_);
    keepIfChanged(tables->styles, db.styles_);
    keepIfChanged(tables->linetypes, db.linetypes_);
    keepIfChanged(tables->header, db.header_);
    keepIfChanged(tables->view, db.view);
    if (!tables->empty()) step.tables = std::move(tables);
    step.changes.shrink_to_fit();
    done_.push_back(std::move(step));
    setLimit(limit_);
}

void UndoJournal::swapTables(Database& db, Tables& tables) {
    swapIfKept(tables.layers, db.layers_);
    swapIfKept(tables.styles, db.styles_);
    swapIfKept(tables.linetypes, db.linetypes_);
    swapIfKept(tables.header, db.header_);
    swapIfKept(tables.view, db.view);
}

void UndoJournal::beginGroup(Database& db) {
    endGroup(db);
    end(db);
    start(db, "GROUP");
    grouping_ = true;
}

void UndoJournal::endGroup(Database& db) {
    if (!grouping_) return;
    grouping_ = false;
    end(db);
}

std::optional<std::string> UndoJournal::undo(Database& db) {
    endGroup(db);
    if (done_.empty()) return std::nullopt;
    db.dropHeld();
    Step& step = done_.back();
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
        std::swap(db.entities_[change->id].ref, change->ref);
    }
    const std::size_t total = db.entities_.size();
    step.appended.reserve(total - step.count);
    for (std::size_t id = step.count; id < total; ++id) {
        step.appended.push_back(db.entities_[id]);
        if (!db.handleIndex_.empty()) db.handleIndex_.erase(db.entities_[id].handle);
    }
    db.entities_.truncate(step.count);
    db.visible_ = step.count;
    std::swap(db.handleSeed_, step.handleSeed);
    if (step.tables) swapTables(db, *step.tables);
    db.state_ = step.stateBefore;
    std::string name = step.name;
    undone_.push_back(std::move(step));
    done_.pop_back();
    while (!marks_.empty() && marks_.back() > done_.size()) marks_.pop_back();
    db.redoHeld_ = true;
    return name;
}

std::optional<std::string> UndoJournal::redo(Database& db) {
    if (undone_.empty()) return std::nullopt;
    db.dropHeld();
    Step& step = undone_.back();
    for (const EntityIndex::Entry& entry : step.appended) {
        if (!db.handleIndex_.empty()) db.handleIndex_.emplace(entry.handle, static_cast<EntityId>(db.entities_.size()));
        db.entities_.push(entry);
    }
    db.visible_ = db.entities_.size();
    step.appended = {};
    for (Change& change : step.changes) std::swap(db.entities_[change.id].ref, change.ref);
    std::swap(db.handleSeed_, step.handleSeed);
    if (step.tables) swapTables(db, *step.tables);
    db.state_ = step.stateAfter;
    std::string name = step.name;
    done_.push_back(std::move(step));
    undone_.pop_back();
    db.redoHeld_ = !undone_.empty();
    return name;
}

void UndoJournal::dropRedo(Database& db) {
    db.redoHeld_ = false;
    if (undone_.empty()) return;
    // Undo and redo store nothing, so what lies above the first step taken
    // back belongs to the steps taken back alone.
    db.arena_.rollback(undone_.back().arena);
    undone_.clear();
    if (open_) open_->arena = db.arena_.mark();
}

void UndoJournal::mark() { marks_.push_back(done_.size()); }

bool UndoJournal::atMark() const { return !marks_.empty() && marks_.back() == done_.size(); }

void UndoJournal::dropMark() {
    if (!marks_.empty()) marks_.pop_back();
}

void UndoJournal::setLimit(std::size_t steps) {
    limit_ = steps;
    if (limit_ == 0 || done_.size() <= limit_) return;
    const std::size_t dropped = done_.size() - limit_;
    done_.erase(done_.begin(), done_.begin() + static_cast<std::ptrdiff_t>(dropped));
    std::vector<std::size_t> kept;
    for (const std::size_t at : marks_) {
        if (at >= dropped) kept.push_back(at - dropped);
    }
    marks_ = std::move(kept);
}

void UndoJournal::clear(Database& db) {
    dropRedo(db);
    done_.clear();
    marks_.clear();
    grouping_ = false;
    open_.reset();
    before_.reset();
    db.journalFrom_ = 0;
}

std::size_t UndoJournal::bytesHeld() const {
    std::size_t total = 0;
    for (const auto* steps : {&done_, &undone_}) {
        for (const Step& step : *steps) {
            total += sizeof step + step.changes.capacity() * sizeof(Change) +
                     step.appended.capacity() * sizeof(EntityIndex::Entry);
        }
    }
    return total;
}

}  // namespace zcad

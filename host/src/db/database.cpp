#include "zcad/database.h"

#include <atomic>

#include "state/session_state.h"
#include "table_defaults.h"
#include "zcad/text.h"
#include "zcad/undo.h"

namespace zcad {

namespace {

std::uint64_t nextSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

Database::Database() : journal_(std::make_unique<UndoJournal>()), serial_(nextSerial()) {
    // What a new drawing starts with, as the host's default template has it.
    linetypes_.add(continuousLinetype());
    layers_.add(defaultLayer("0"));
    styles_.add(defaultStyle("STANDARD"));
    setHeaderVar("$CLAYER", {OwnedGroup::string(8, "0")});
    setHeaderVar("$TEXTSTYLE", {OwnedGroup::string(7, "STANDARD")});
    setHeaderVar("$TEXTSIZE", {OwnedGroup::real(40, 2.5)});
    setHeaderVar("$PDMODE", {OwnedGroup::integral(70, 0)});
    setHeaderVar("$LUNITS", {OwnedGroup::integral(70, 2)});
    setHeaderVar("$LUPREC", {OwnedGroup::integral(70, 4)});
    setHeaderVar("$UCSORG", {OwnedGroup::point(10, 0, 0, 0)});
    setHeaderVar("$UCSXDIR", {OwnedGroup::point(10, 1, 0, 0)});
    setHeaderVar("$UCSYDIR", {OwnedGroup::point(10, 0, 1, 0)});
    markSaved();  // an empty drawing has nothing to lose
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

EntityId Database::append(std::span<const std::uint8_t> list, std::uint64_t handle) {
    if (redoHeld_) dropRedo();
    if (handle == 0) {
        handle = allocateHandle();
    } else {
        reserveHandle(handle);
    }
    const auto id = static_cast<EntityId>(entities_.size());
    entities_.push({arena_.store(list), handle});
    if (!held_) {
        visible_ = entities_.size();
        noteChange();
    }
    if (!handleIndex_.empty()) handleIndex_.emplace(handle, id);
    return id;
}

void Database::replace(EntityId id, std::span<const std::uint8_t> list) {
    keepPrevious(id);
    auto& e = entities_[id];
    e.ref = arena_.store(list) | (e.ref & EntityIndex::kErased);
    noteChange();
}

void Database::erase(EntityId id) {
    keepPrevious(id);
    entities_[id].ref |= EntityIndex::kErased;
    noteChange();
}

void Database::unerase(EntityId id) {
    keepPrevious(id);
    entities_[id].ref &= ~EntityIndex::kErased;
    noteChange();
}

void Database::keepPreviousRef(EntityId id) { journal_->keepPrevious(id, entities_[id].ref); }

void Database::dropRedo() { journal_->dropRedo(*this); }

std::string_view Database::type(EntityId id) const {
    GroupReader reader(list(id));
    Group g;
    if (reader.next(g) && g.code == 0) return g.text;
    return {};
}

EntityId Database::next(EntityId id) const {
    EntityId candidate = id == kNoEntity ? 0 : id + 1;
    while (candidate < visible_ && !valid(candidate)) ++candidate;
    return candidate < visible_ ? candidate : kNoEntity;
}

EntityId Database::last() const {
    for (auto id = visible_; id > 0; --id) {
        if (valid(static_cast<EntityId>(id - 1))) return static_cast<EntityId>(id - 1);
    }
    return kNoEntity;
}

void Database::holdAppends() {
    dropHeld();
    if (redoHeld_) dropRedo();
    held_ = Held{arena_.mark(), handleSeed_};
}

void Database::commitHeld() {
    held_.reset();
    visible_ = entities_.size();
    noteChange();
}

void Database::dropHeld() {
    if (!held_) return;
    for (std::size_t id = visible_; id < entities_.size() && !handleIndex_.empty(); ++id) {
        handleIndex_.erase(entities_[id].handle);
    }
    entities_.truncate(visible_);
    arena_.rollback(held_->arena);
    handleSeed_ = held_->handleSeed;
    held_.reset();
}

std::optional<EntityId> Database::byHandle(std::uint64_t handle) const {
    // Built on first use: most sessions never look entities up by handle.
    if (handleIndex_.empty()) {
        for (EntityId id = 0; id < entities_.size(); ++id) handleIndex_.emplace(entities_[id].handle, id);
    }
    // Held entities are out of sight, by handle too.
    const auto it = handleIndex_.find(handle);
    if (it == handleIndex_.end() || it->second >= visible_) return std::nullopt;
    return it->second;
}

void Database::reserveHandle(std::uint64_t handle) {
    if (handle >= handleSeed_) handleSeed_ = handle + 1;
}

SymbolTable* Database::table(std::string_view name) {
    if (equalNoCase(name, "LAYER")) return &layers_;
    if (equalNoCase(name, "STYLE")) return &styles_;
    if (equalNoCase(name, "LTYPE")) return &linetypes_;
    return nullptr;
}

HeaderVar* Database::headerVar(std::string_view name) {
    for (auto& var : header_) {
        if (equalNoCase(var.name, name)) return &var;
    }
    return nullptr;
}

const HeaderVar* Database::headerVar(std::string_view name) const {
    for (const auto& var : header_) {
        if (equalNoCase(var.name, name)) return &var;
    }
    return nullptr;
}

void Database::setHeaderVar(std::string_view name, std::vector<OwnedGroup> groups) {
    noteChange();
    if (HeaderVar* var = headerVar(name)) {
        var->groups = std::move(groups);
        return;
    }
    header_.push_back({std::string(name), std::move(groups)});
}

std::size_t Database::bytesHeld() const {
    return arena_.bytesHeld() + entities_.bytesHeld();
}

namespace {

struct CurrentDrawing {
    std::unique_ptr<Database> db = std::make_unique<Database>();
};

std::unique_ptr<Database>& current() { return sessionState<CurrentDrawing>().db; }

}  // namespace

Database& currentDatabase() { return *current(); }

void replaceCurrentDatabase(std::unique_ptr<Database> db) { current() = std::move(db); }

}  // namespace zcad

// The drawing database: entities in drawing order as compact group lists,
// the symbol tables the host serves (LAYER, STYLE, LTYPE), the header
// variables, and whatever a file reader keeps to write back unchanged.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "group_list.h"
#include "large_block.h"

#pragma GCC visibility push(default)

namespace zcad {

using EntityId = std::uint32_t;
constexpr EntityId kNoEntity = 0xFFFFFFFFu;

// Stores encoded lists in large chunks so that a million small lists cost
// no more than their bytes and a few bytes each. A list's size is kept in
// front of it.
class ByteArena {
public:
    // Where the arena stood, to go back to when what followed is dropped.
    struct Mark {
        std::size_t chunks = 0;
        std::size_t used = 0;
    };

    std::uint64_t store(std::span<const std::uint8_t> bytes);
    // Inline: saves, selections and moves read millions of lists.
    std::span<const std::uint8_t> at(std::uint64_t ref) const {
        const std::uint8_t* pos = chunks_[static_cast<std::size_t>(ref >> 32)].data() + (ref & 0xFFFFFFFFu);
        const std::size_t size = detail::takeVarint(pos);
        return {pos, size};
    }
    std::size_t bytesHeld() const;
    void clear();
    Mark mark() const { return {chunks_.size(), used_}; }
    // Forgets every list stored after `mark`.
    void rollback(Mark mark);

private:
    std::vector<LargeBlock> chunks_;
    std::size_t used_ = 0;  // bytes used in the last chunk
};

// The entities' places in drawing order, in blocks that never move: a
// growing drawing neither copies its index nor holds twice its size.
class EntityIndex {
public:
    struct Entry {
        std::uint64_t ref;  // into the arena; the top bit marks it erased
        std::uint64_t handle;
    };
    static constexpr std::uint64_t kErased = std::uint64_t{1} << 63;

    std::size_t size() const { return size_; }
    Entry& operator[](std::size_t i) { return block(i)[i % kPerBlock]; }
    const Entry& operator[](std::size_t i) const { return block(i)[i % kPerBlock]; }
    void push(const Entry& entry);
    // Keeps the first `count` entries.
    void truncate(std::size_t count);
    std::size_t bytesHeld() const { return blocks_.size() * LargeBlock::kAlignment; }

private:
    static constexpr std::size_t kPerBlock = LargeBlock::kAlignment / sizeof(Entry);
    Entry* block(std::size_t i) const { return reinterpret_cast<Entry*>(blocks_[i / kPerBlock].data()); }

    std::vector<LargeBlock> blocks_;
    std::size_t size_ = 0;
};

// A record of LAYER, STYLE, LTYPE or any other table: its groups as in the
// file (without the 0 group), name in group 2.
struct TableRecord {
    std::vector<OwnedGroup> groups;
    std::uint64_t handle = 0;

    std::string_view name() const;
    const OwnedGroup* find(int code) const;
    // Sets the first group with this code, or appends one.
    void set(const OwnedGroup& g);
    bool operator==(const TableRecord&) const = default;
};

class SymbolTable {
public:
    explicit SymbolTable(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    TableRecord* find(std::string_view recordName);
    const TableRecord* find(std::string_view recordName) const;
    // Appends, even beside a record of the same name: callers that want
    // one per name look it up first.
    TableRecord& add(TableRecord record);
    std::vector<TableRecord>& records() { return records_; }
    bool operator==(const SymbolTable& other) const {
        return name_ == other.name_ && records_ == other.records_ && header == other.header;
    }
    const std::vector<TableRecord>& records() const { return records_; }
    // Groups of the table's own header in a file (handle, owner, flags), kept.
    std::vector<OwnedGroup> header;
    // After records were renamed through records().
    void reindex();

private:
    std::string name_;
    std::vector<TableRecord> records_;
    std::unordered_map<std::string, std::size_t> index_;  // upper-case name
};

// A header variable ("$PDMODE") with its groups in file order.
struct HeaderVar {
    std::string name;
    std::vector<OwnedGroup> groups;
    bool operator==(const HeaderVar&) const = default;
};

// What a file reader keeps to write back unchanged; the database only
// carries it. A reader of another format derives its own.
class KeptContent {
public:
    virtual ~KeptContent() = default;
};

struct ViewState {
    bool set = false;
    double centre[2] = {0, 0};
    double height = 1.0;
    bool operator==(const ViewState&) const = default;
};

class UndoJournal;

class Database {
public:
    Database();
    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;

    // Entities, in drawing order. Ids are stable; erased entities keep theirs.
    EntityId append(std::span<const std::uint8_t> list, std::uint64_t handle = 0);
    void replace(EntityId id, std::span<const std::uint8_t> list);
    void erase(EntityId id);
    void unerase(EntityId id);
    bool valid(EntityId id) const { return id < visible_ && !(entities_[id].ref & EntityIndex::kErased); }
    std::span<const std::uint8_t> list(EntityId id) const { return arena_.at(entities_[id].ref & ~EntityIndex::kErased); }
    std::uint64_t handle(EntityId id) const { return entities_[id].handle; }
    std::string_view type(EntityId id) const;  // group 0, upper case
    std::size_t entityCount() const { return visible_; }  // erased included
    EntityId next(EntityId id) const;  // kNoEntity at the end; kNoEntity as id gives the first
    EntityId last() const;
    std::optional<EntityId> byHandle(std::uint64_t handle) const;

    // Entities appended between holdAppends() and commitHeld() stay out of
    // sight (of entityCount, next, valid) until committed, and dropHeld()
    // takes them back out with their handles: a POLYLINE and its vertices
    // enter the drawing whole or not at all, without being copied twice.
    void holdAppends();
    void commitHeld();
    void dropHeld();
    bool holding() const { return held_.has_value(); }

    // Handles: the next free one, as $HANDSEED.
    std::uint64_t allocateHandle() { return handleSeed_++; }
    std::uint64_t handleSeed() const { return handleSeed_; }
    void reserveHandle(std::uint64_t handle);

    // Tables.
    SymbolTable& layers() { return layers_; }
    SymbolTable& styles() { return styles_; }
    SymbolTable& linetypes() { return linetypes_; }
    const SymbolTable& layers() const { return layers_; }
    const SymbolTable& styles() const { return styles_; }
    const SymbolTable& linetypes() const { return linetypes_; }
    SymbolTable* table(std::string_view name);  // "LAYER", "STYLE", "LTYPE", any case

    // Header variables, in file order; names with the "$".
    std::vector<HeaderVar>& header() { return header_; }
    const std::vector<HeaderVar>& header() const { return header_; }
    HeaderVar* headerVar(std::string_view name);
    const HeaderVar* headerVar(std::string_view name) const;
    void setHeaderVar(std::string_view name, std::vector<OwnedGroup> groups);

    ViewState view;
    std::unique_ptr<KeptContent> kept;

    std::size_t bytesHeld() const;

    // Whether the drawing holds what was last saved. Every edit is a change
    // with an id never given before, so the state the file was saved in is
    // known exactly, and going back to it (an undo) can say so. Edits
    // through the tables, the header or the view call noteChange().
    void noteChange() { state_ = ++lastChange_; }
    std::uint64_t changeState() const { return state_; }
    void markSaved() { savedState_ = state_; }
    bool hasUnsavedChanges() const { return state_ != savedState_; }

    // What each command changed, to take it back (zcad/undo.h).
    UndoJournal& journal() { return *journal_; }

    // Never the same for two drawings of one process: what was chosen in
    // one is not taken for the other's entities of the same ids.
    std::uint64_t serial() const { return serial_; }

private:
    friend class UndoJournal;
    // Before an entity's list or erased mark changes: its previous place
    // goes to the open undo step, unless the step appended it.
    void keepPrevious(EntityId id) {
        if (redoHeld_) dropRedo();
        if (id < journalFrom_) keepPreviousRef(id);
    }
    void keepPreviousRef(EntityId id);
    void dropRedo();

    struct Held {
        ByteArena::Mark arena;
        std::uint64_t handleSeed;
    };

    EntityIndex entities_;
    std::size_t visible_ = 0;
    std::optional<Held> held_;
    ByteArena arena_;
    std::uint64_t handleSeed_ = 0x20;
    mutable std::unordered_map<std::uint64_t, EntityId> handleIndex_;
    SymbolTable layers_{"LAYER"};
    SymbolTable styles_{"STYLE"};
    SymbolTable linetypes_{"LTYPE"};
    std::vector<HeaderVar> header_;
    std::uint64_t lastChange_ = 0;
    std::uint64_t state_ = 0;
    std::uint64_t savedState_ = 0;
    std::unique_ptr<UndoJournal> journal_;
    std::uint64_t serial_;
    // Entities whose changes the open step keeps: those it found; none when no step is open.
    std::size_t journalFrom_ = 0;
    bool redoHeld_ = false;               // undone steps wait for REDO
};

// The drawing the host works on (the "current document").
Database& currentDatabase();
void replaceCurrentDatabase(std::unique_ptr<Database> db);

// A layer name the host accepts: 1 to 255 characters, none of <>/\":;?*|,=`
// and no control characters.
bool isValidSymbolName(std::string_view name);

}  // namespace zcad

#pragma GCC visibility pop

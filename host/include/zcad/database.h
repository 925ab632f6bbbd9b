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
// no more than their bytes and one index entry each.
class ByteArena {
public:
    std::uint64_t store(std::span<const std::uint8_t> bytes);
    std::span<const std::uint8_t> at(std::uint64_t ref, std::uint32_t size) const;
    std::size_t bytesHeld() const;
    void clear();

private:
    std::vector<LargeBlock> chunks_;
    std::size_t used_ = 0;  // bytes used in the last chunk
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
};

class SymbolTable {
public:
    explicit SymbolTable(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    TableRecord* find(std::string_view recordName);
    const TableRecord* find(std::string_view recordName) const;
    TableRecord& add(TableRecord record);
    std::vector<TableRecord>& records() { return records_; }
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
};

class Database {
public:
    Database();

    // Entities, in drawing order. Ids are stable; erased entities keep theirs.
    EntityId append(std::span<const std::uint8_t> list, std::uint64_t handle = 0);
    void replace(EntityId id, std::span<const std::uint8_t> list);
    void erase(EntityId id);
    bool valid(EntityId id) const { return id < entities_.size() && !entities_[id].erased; }
    std::span<const std::uint8_t> list(EntityId id) const;
    std::uint64_t handle(EntityId id) const { return entities_[id].handle; }
    std::string_view type(EntityId id) const;  // group 0, upper case
    std::size_t entityCount() const { return entities_.size(); }  // erased included
    EntityId next(EntityId id) const;  // kNoEntity at the end; kNoEntity as id gives the first
    EntityId last() const;
    std::optional<EntityId> byHandle(std::uint64_t handle) const;

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

private:
    struct EntityEntry {
        std::uint64_t ref;
        std::uint32_t size;
        bool erased;
        std::uint64_t handle;
    };
    std::vector<EntityEntry> entities_;
    ByteArena arena_;
    std::uint64_t handleSeed_ = 0x20;
    mutable std::unordered_map<std::uint64_t, EntityId> handleIndex_;
    SymbolTable layers_{"LAYER"};
    SymbolTable styles_{"STYLE"};
    SymbolTable linetypes_{"LTYPE"};
    std::vector<HeaderVar> header_;
};

// The drawing the host works on (the "current document").
Database& currentDatabase();
void replaceCurrentDatabase(std::unique_ptr<Database> db);

// A layer name the host accepts: 1 to 255 characters, none of <>/\":;?*|,=`
// and no control characters.
bool isValidSymbolName(std::string_view name);

}  // namespace zcad

#pragma GCC visibility pop

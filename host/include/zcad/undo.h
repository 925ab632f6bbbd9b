// The undo journal: what each command changed in the drawing, one step per
// command, kept as the change itself rather than a copy of the drawing.
// Appended entities are taken back by cutting the drawing where the step
// began; a changed or erased entity keeps its previous stored list (the
// store is append-only, so that list is still there); tables, header
// variables and the view are kept only when the step changed them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

class UndoJournal {
public:
    UndoJournal();
    ~UndoJournal();

    // Around each command. A step already open (a group) goes on; a step
    // that changed nothing is not kept.
    void begin(Database& db, std::string_view name);
    void end(Database& db);
    bool stepOpen() const { return open_.has_value(); }

    // UNDO BEgin and End: the commands between are one step.
    void beginGroup(Database& db);
    void endGroup(Database& db);
    bool grouping() const { return grouping_; }

    // Takes back the last step (redoes the last one taken back); its
    // command's name, or nothing when there is none.
    std::optional<std::string> undo(Database& db);
    std::optional<std::string> redo(Database& db);
    std::size_t steps() const { return done_.size(); }
    std::size_t redoable() const { return undone_.size(); }

    // UNDO Mark and Back: a mark after the last step.
    void mark();
    bool atMark() const;  // the last step is followed by a mark
    bool hasMark() const { return !marks_.empty(); }
    void dropMark();

    // At most `steps` steps are kept (0: no limit).
    void setLimit(std::size_t steps);
    // Forgets every step (UNDO Control None).
    void clear(Database& db);

    // The memory the journal itself holds, beside the drawing's store.
    std::size_t bytesHeld() const;

    // Called by the database.
    void keepPrevious(EntityId id, std::uint64_t ref) { open_->changes.push_back({id, ref}); }
    void dropRedo(Database& db);

private:
    struct Tables;
    struct Change {
        EntityId id;
        std::uint64_t ref;  // the other state of the entity's place, swapped on undo and redo
    };
    struct Step {
        std::string name;
        std::size_t count = 0;  // entities when it began
        ByteArena::Mark arena;
        std::uint64_t handleSeed = 0;
        std::uint64_t stateBefore = 0;
        std::uint64_t stateAfter = 0;
        std::vector<Change> changes;
        std::vector<EntityIndex::Entry> appended;  // while taken back
        std::unique_ptr<Tables> tables;            // the other state, when it changed
    };

    void start(Database& db, std::string_view name);
    void close(Database& db);
    static void swapTables(Database& db, Tables& tables);

    std::optional<Step> open_;
    std::unique_ptr<Tables> before_;  // the tables as the open step found them
    std::vector<Step> done_;
    std::vector<Step> undone_;
    std::vector<std::size_t> marks_;  // step counts
    std::size_t limit_ = 0;
    bool grouping_ = false;
};

}  // namespace zcad

#pragma GCC visibility pop

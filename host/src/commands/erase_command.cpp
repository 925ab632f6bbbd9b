// ERASE and OOPS: objects out of the drawing, and the last ones back.
#include "db/entity_names.h"
#include "host_command.h"
#include "object_selection.h"
#include "state/session_state.h"

namespace zcad::commands {

namespace {

// What the last ERASE took out, and from which drawing.
struct LastErase {
    const Database* db = nullptr;
    std::vector<EntityId> entities;
};

LastErase& lastErase() { return sessionState<LastErase>(); }

// A polyline or block reference goes with the vertices or attributes it owns.
void setErased(Database& db, EntityId id, bool erased) {
    const EntityId end = sequenceEnd(db, id);
    for (EntityId each = id; each <= end; ++each) erased ? db.erase(each) : db.unerase(each);
}

class EraseCommand : public HostCommand {
public:
    std::string prompt() const override { return ObjectSelection::kPrompt; }

    Step feed(const Word& word) override {
        const Step step = selection_.feed(word);
        if (step != Step::Done) return step;
        Database& db = currentDatabase();
        for (const EntityId id : selection_.entities()) setErased(db, id, true);
        lastErase() = {&db, selection_.entities()};
        return Step::Done;
    }

private:
    ObjectSelection selection_;
};

class OopsCommand : public ImmediateCommand {
public:
    Step start() override {
        Database& db = currentDatabase();
        LastErase& last = lastErase();
        if (last.db != &db) last = {};
        std::size_t restored = 0;
        for (const EntityId id : last.entities) {
            if (id >= db.entityCount() || db.valid(id)) continue;
            setErased(db, id, false);
            ++restored;
        }
        last = {};
        if (restored == 0) printMessage("Nothing to restore.");
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makeEraseCommand() { return std::make_unique<EraseCommand>(); }
std::unique_ptr<HostCommand> makeOopsCommand() { return std::make_unique<OopsCommand>(); }

}  // namespace zcad::commands

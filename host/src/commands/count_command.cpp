// COUNT: the entities of the drawing, or of a selection, by type and by
// type and layer, with the total.
#include <map>
#include <utility>

#include "editor/picking.h"
#include "host_command.h"
#include "inquiry_text.h"
#include "object_selection.h"
#include "shapes/entity_record.h"

namespace zcad::commands {

namespace {

void printCounts(const Database& db, const std::vector<EntityId>& entities) {
    std::map<std::string, std::size_t> byType;
    std::map<std::pair<std::string, std::string>, std::size_t> byLayer;
    shapes::EntityRecord e;
    for (const EntityId id : entities) {
        e.load(db, id);
        const std::string type(e.type());
        ++byType[type];
        ++byLayer[{type, std::string(e.has(8) ? e.text(8) : "0")}];
    }
    for (const auto& [type, count] : byType) {
        printFact(type, std::to_string(count));
        for (auto it = byLayer.lower_bound({type, ""}); it != byLayer.end() && it->first.first == type; ++it) {
            printFact(type + " on layer \"" + it->first.second + "\"", std::to_string(it->second));
        }
    }
    printFact("Total", std::to_string(entities.size()));
}

class CountCommand : public HostCommand {
public:
    std::string prompt() const override { return "Select objects or <All>: "; }

    Step feed(const Word& word) override {
        const Database& db = currentDatabase();
        if (word.isEmpty() && selection_.entities().empty()) {
            printCounts(db, selectableEntities(db));
            return Step::Done;
        }
        const Step step = selection_.feed(word);
        if (step == Step::Done) printCounts(db, selection_.entities());
        return step;
    }

private:
    ObjectSelection selection_;
};

}  // namespace

std::unique_ptr<HostCommand> makeCountCommand() { return std::make_unique<CountCommand>(); }

}  // namespace zcad::commands

// MOVE: objects, a base point and a second point (or a displacement).
#include "host_command.h"
#include "keywords.h"
#include "object_selection.h"
#include "shapes/move.h"

namespace zcad::commands {

namespace {

class MoveCommand : public HostCommand {
public:
    std::string prompt() const override {
        switch (stage_) {
        case Stage::Objects:
            return ObjectSelection::kPrompt;
        case Stage::BasePoint:
            return "Specify base point or [Displacement] <Displacement>: ";
        case Stage::SecondPoint:
            return "Specify second point or <use first point as displacement>: ";
        case Stage::Displacement:
            return "Specify displacement <0.0000, 0.0000, 0.0000>: ";
        }
        return {};
    }

    Step feed(const Word& word) override {
        switch (stage_) {
        case Stage::Objects: {
            const Step step = selection_.feed(word);
            if (step == Step::Done) stage_ = Stage::BasePoint;
            return step == Step::Done ? Step::More : step;
        }
        case Stage::BasePoint:
            return basePoint(word);
        case Stage::SecondPoint: {
            if (word.isEmpty()) return moveBy(base_);
            const auto to = pointOf(word, base_);
            if (!to) return rejectWord("Invalid point.");
            return moveBy({to->x - base_.x, to->y - base_.y, to->z - base_.z});
        }
        case Stage::Displacement: {
            if (word.isEmpty()) return Step::Done;
            const auto by = pointOf(word);
            if (!by) return rejectWord("Invalid point.");
            return moveBy(*by);
        }
        }
        return Step::Failed;
    }

private:
    enum class Stage { Objects, BasePoint, SecondPoint, Displacement };

    Step basePoint(const Word& word) {
        if (word.isEmpty() || matchKeyword(word, {"Displacement"}) == 0) {
            stage_ = Stage::Displacement;
            return Step::More;
        }
        const auto base = pointOf(word);
        if (!base) return rejectWord("Point or option keyword required.");
        base_ = *base;
        stage_ = Stage::SecondPoint;
        return Step::More;
    }

    Step moveBy(const Point3& delta) {
        Database& db = currentDatabase();
        shapes::EntityMove move({delta.x, delta.y, delta.z});
        for (const EntityId id : selection_.entities()) move.move(db, id);
        return Step::Done;
    }

    Stage stage_ = Stage::Objects;
    ObjectSelection selection_;
    Point3 base_;
};

}  // namespace

std::unique_ptr<HostCommand> makeMoveCommand() { return std::make_unique<MoveCommand>(); }

}  // namespace zcad::commands

// ID and DIST: where a point is, and how far and which way one point lies
// from another. ID's Nearest takes the point of an entity nearest a pick,
// as the nearest object snap does.
#include <cmath>

#include "editor/picking.h"
#include "host_command.h"
#include "inquiry_text.h"
#include "keywords.h"
#include "zcad/entity_shape.h"

namespace zcad::commands {

namespace {

class IdCommand : public HostCommand {
public:
    std::string prompt() const override { return nearest_ ? "Select object: " : "Specify point or [Nearest]: "; }

    Step feed(const Word& word) override {
        if (!nearest_ && matchKeyword(word, {"Nearest"}) == 0) {
            nearest_ = true;
            return Step::More;
        }
        const auto point = pointOf(word);
        if (!point) return rejectWord(nearest_ ? "Invalid point." : "Point or option keyword required.");
        if (!nearest_) {
            printMessage(pointText(*point));
            return Step::Done;
        }
        const Database& db = currentDatabase();
        const EntityId picked = pickNearest(db, point->x, point->y);
        double at[3];
        if (picked == kNoEntity || !nearestPointOn(db, picked, point->x, point->y, at)) {
            return rejectWord("No object found there.");
        }
        printMessage(pointText({at[0], at[1], at[2]}));
        return Step::Done;
    }

private:
    bool nearest_ = false;
};

class DistCommand : public HostCommand {
public:
    std::string prompt() const override { return first_ ? "Specify second point: " : "Specify first point: "; }

    Step feed(const Word& word) override {
        const auto point = pointOf(word, first_ ? *first_ : Point3{});
        if (!point) return rejectWord("Invalid point.");
        if (!first_) {
            first_ = point;
            return Step::More;
        }
        const Point3 d{point->x - first_->x, point->y - first_->y, point->z - first_->z};
        const double plan = std::hypot(d.x, d.y);
        printFact("Distance", linearText(std::sqrt(plan * plan + d.z * d.z)));
        printFact("Angle in XY Plane", angleText(plan > 0 ? std::atan2(d.y, d.x) : 0.0));
        printFact("Angle from XY Plane", angleText(std::atan2(d.z, plan)));
        printFact("Delta X", linearText(d.x));
        printFact("Delta Y", linearText(d.y));
        printFact("Delta Z", linearText(d.z));
        return Step::Done;
    }

private:
    std::optional<Point3> first_;
};

}  // namespace

std::unique_ptr<HostCommand> makeIdCommand() { return std::make_unique<IdCommand>(); }
std::unique_ptr<HostCommand> makeDistCommand() { return std::make_unique<DistCommand>(); }

}  // namespace zcad::commands

// AREA: of points given in turn (the figure closed back to the first), or
// of a closed polyline or circle picked with Object.
#include <cmath>
#include <vector>

#include "editor/picking.h"
#include "host_command.h"
#include "inquiry_text.h"
#include "keywords.h"
#include "polyline_measure.h"
#include "shapes/entity_record.h"

namespace zcad::commands {

namespace {

void printAreaOfPoints(const std::vector<Point3>& points) {
    double twiceArea = 0;
    double perimeter = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point3& a = points[i];
        const Point3& b = points[(i + 1) % points.size()];
        twiceArea += a.x * b.y - b.x * a.y;
        perimeter += std::hypot(b.x - a.x, b.y - a.y);
    }
    printFact("Area", linearText(std::fabs(twiceArea) / 2));
    printFact("Perimeter", linearText(perimeter));
}

class AreaCommand : public HostCommand {
public:
    std::string prompt() const override {
        if (object_) return "Select object: ";
        if (points_.empty()) return "Specify first corner point or [Object] <Object>: ";
        return "Specify next point or press ENTER for total: ";
    }

    Step feed(const Word& word) override {
        if (object_) return measureObject(word);
        if (points_.empty() && (word.isEmpty() || matchKeyword(word, {"Object"}) == 0)) {
            object_ = true;
            return Step::More;
        }
        if (word.isEmpty()) {
            if (points_.size() < 3) return rejectWord("Three points at least are needed for an area.");
            printAreaOfPoints(points_);
            return Step::Done;
        }
        const auto point = pointOf(word, points_.empty() ? Point3{} : points_.back());
        if (!point) return rejectWord("Invalid point.");
        points_.push_back(*point);
        return Step::More;
    }

private:
    Step measureObject(const Word& word) {
        const auto pick = pointOf(word);
        if (!pick) return rejectWord("Invalid point.");
        const Database& db = currentDatabase();
        const EntityId id = pickNearest(db, pick->x, pick->y);
        if (id == kNoEntity) return rejectWord("No object found there.");
        if (const auto m = measurePolyline(db, id)) {
            printFact("Area", linearText(m->area));
            printFact(m->closed ? "Perimeter" : "Length", linearText(m->length));
            return Step::Done;
        }
        const shapes::EntityRecord e(db, id);
        if (e.type() != "CIRCLE") return rejectWord("Selected object has no area.");
        constexpr double kPi = 3.14159265358979323846;
        const double r = e.real(40, 0.0);
        printFact("Area", linearText(kPi * r * r));
        printFact("Circumference", linearText(2 * kPi * r));
        return Step::Done;
    }

    bool object_ = false;
    std::vector<Point3> points_;
};

}  // namespace

std::unique_ptr<HostCommand> makeAreaCommand() { return std::make_unique<AreaCommand>(); }

}  // namespace zcad::commands

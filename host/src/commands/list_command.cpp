// LIST: for each selected entity its type, layer, handle and colour, then
// its own values, one fact a line, in the drawing's units and precision.
#include <cmath>
#include <cstdio>

#include "host_command.h"
#include "inquiry_text.h"
#include "object_selection.h"
#include "polyline_measure.h"
#include "shapes/entity_record.h"
#include "zcad/entity_shape.h"

namespace zcad::commands {

namespace {

using shapes::EntityRecord;
using shapes::V3;

// More vertices than this are counted, not listed.
constexpr std::size_t kVertexCap = 20;

std::string handleText(std::uint64_t handle) {
    char text[24];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(handle));
    return text;
}

void printPoint(std::string_view name, const V3& p) { printMessage(std::string(name) + ", " + pointText(p)); }

// Points stored in the entity's own system, shown in the world.
V3 worldPoint(const EntityRecord& e, int code) { return e.ocs().toWorld(e.point(code)); }

void listLine(const EntityRecord& e) {
    const V3 from = e.point(10);
    const V3 to = e.point(11);
    printPoint("from point", from);
    printPoint("to point", to);
    const V3 d = to - from;
    printFact("Length", linearText(shapes::norm(d)));
    printFact("Angle in XY Plane", angleText(std::atan2(d.y, d.x)));
}

void listCircle(const EntityRecord& e, bool arc) {
    constexpr double kPi = 3.14159265358979323846;
    const double r = e.real(40, 0.0);
    printPoint("center point", worldPoint(e, 10));
    printFact("Radius", linearText(r));
    if (!arc) {
        printFact("Circumference", linearText(2 * kPi * r));
        printFact("Area", linearText(kPi * r * r));
        return;
    }
    // Angles are kept in radians, as the entity lists give them.
    const double start = e.real(50, 0.0);
    double sweep = std::fmod(e.real(51, 0.0) - start, 2 * kPi);
    if (sweep <= 0) sweep += 2 * kPi;
    printFact("Start angle", angleText(start));
    printFact("End angle", angleText(e.real(51, 0.0)));
    printFact("Length", linearText(r * sweep));
}

void listText(const EntityRecord& e) {
    printPoint("insertion point", worldPoint(e, 10));
    printFact("Text", std::string("\"") + std::string(e.text(1)) + "\"");
    printFact("Height", linearText(e.real(40, 0.0)));
    if (e.has(7)) printFact("Style", std::string(e.text(7)));
    if (e.has(50)) printFact("Rotation", angleText(e.real(50, 0.0)));
}

void listVertices(const std::vector<V3>& points) {
    for (std::size_t i = 0; i < points.size() && i < kVertexCap; ++i) printPoint("at point", points[i]);
    if (points.size() <= kVertexCap) return;
    printMessage("... " + std::to_string(points.size() - kVertexCap) + " more vertices");
}

void listPolyline(const Database& db, EntityId id, const EntityRecord& e) {
    std::vector<V3> points;
    if (e.type() == "LWPOLYLINE") {
        for (const Group& g : e.groups()) {
            if (g.code == 10) points.push_back(e.ocs().toWorld(e.pointOf(g)));
        }
    } else {
        const bool planar = shapes::isPlanarPolyline(e.integer(70, 0));
        for (const EntityId sub : subEntities(db, id)) {
            const EntityRecord v(db, sub);
            if (v.type() == "VERTEX") points.push_back(planar ? e.ocs().toWorld(v.point(10)) : v.point(10));
        }
    }
    const auto m = measurePolyline(db, id);
    if (m) {
        printMessage(m->closed ? "Closed" : "Open");
        printFact("Vertices", std::to_string(points.size()));
        printFact("Area", linearText(m->area));
        printFact(m->closed ? "Perimeter" : "Length", linearText(m->length));
    } else {
        printFact("Vertices", std::to_string(points.size()));
    }
    listVertices(points);
}

void listInsert(const EntityRecord& e) {
    printFact("Block", std::string(e.text(2)));
    printPoint("at point", worldPoint(e, 10));
    printFact("X scale factor", linearText(e.real(41, 1.0)));
    printFact("Y scale factor", linearText(e.real(42, 1.0)));
    printFact("Rotation", angleText(e.real(50, 0.0)));
}

void listEntity(const Database& db, EntityId id) {
    const EntityRecord e(db, id);
    const std::string_view type = e.type();
    printMessage(std::string(type) + "  Layer: \"" + std::string(e.has(8) ? e.text(8) : "0") + "\"");
    printFact("Handle", handleText(db.handle(id)));
    printFact("Color", colourText(static_cast<long>(e.integer(62, 256))));
    if (e.has(6)) printFact("Linetype", std::string(e.text(6)));
    if (e.real(39, 0.0) != 0) printFact("Thickness", linearText(e.real(39, 0.0)));
    if (type == "LINE") {
        listLine(e);
    } else if (type == "CIRCLE" || type == "ARC") {
        listCircle(e, type == "ARC");
    } else if (type == "TEXT" || type == "MTEXT" || type == "ATTDEF") {
        listText(e);
    } else if (type == "LWPOLYLINE" || type == "POLYLINE") {
        listPolyline(db, id, e);
    } else if (type == "INSERT") {
        listInsert(e);
    } else if (type == "POINT") {
        printPoint("at point", e.point(10));
    } else {
        std::vector<V3> corners;
        for (const int code : {10, 11, 12, 13}) {
            if (e.has(code)) corners.push_back(e.point(code));
        }
        listVertices(corners);
    }
}

class ListCommand : public HostCommand {
public:
    std::string prompt() const override { return ObjectSelection::kPrompt; }

    Step feed(const Word& word) override {
        const Step step = selection_.feed(word);
        if (step != Step::Done) return step;
        const Database& db = currentDatabase();
        for (const EntityId id : selection_.entities()) listEntity(db, id);
        return Step::Done;
    }

private:
    ObjectSelection selection_;
};

}  // namespace

std::unique_ptr<HostCommand> makeListCommand() { return std::make_unique<ListCommand>(); }

}  // namespace zcad::commands

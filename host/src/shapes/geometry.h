// An entity's shape in world coordinates as a few primitives, enough for
// extents and picking: points, segments, elliptical arcs and filled
// outlines (solids and text boxes pick from inside).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "entity_record.h"
#include "zcad/database.h"

namespace zcad::shapes {

struct Segment {
    V3 from;
    V3 to;
};

// centre + u cos t + v sin t for t from t0 to t1 (t1 >= t0).
struct ArcPiece {
    V3 centre;
    V3 u;
    V3 v;
    double t0 = 0;
    double t1 = 0;

    V3 at(double t) const;
};

struct Geometry {
    std::vector<V3> points;
    std::vector<Segment> segments;
    std::vector<ArcPiece> arcs;
    std::vector<std::vector<V3>> areas;  // closed outlines
    // Extrusion of the whole shape along its normal (group 39).
    V3 thickness;

    void addPolygon(std::span<const V3> corners, bool filled);
    // Empties the shape but keeps its storage, for walks over many entities.
    void clear();
};

constexpr double kTwoPi = 6.283185307179586;

// The shape of an entity and of the sub-entities it owns.
Geometry entityGeometry(const Database& db, EntityId id);
Geometry entityGeometry(const Database& db, EntityId id, const EntityRecord& e);
// The same into `out`, which is cleared first.
void entityGeometry(const Database& db, EntityId id, const EntityRecord& e, Geometry& out);

// Builders by entity family; each adds to `out`.
void addLinearShape(const EntityRecord& e, Geometry& out);    // LINE POINT 3DFACE SOLID TRACE
void addCurveShape(const EntityRecord& e, Geometry& out);     // CIRCLE ARC ELLIPSE SPLINE
void addTextShape(const EntityRecord& e, Geometry& out);      // TEXT ATTRIB ATTDEF MTEXT
void addPolylineShape(const Database& db, EntityId id, const EntityRecord& e, Geometry& out);
void addLwPolylineShape(const EntityRecord& e, Geometry& out);

// The paragraphs of an MTEXT's content with its formatting codes taken
// out, each character one cell.
std::vector<std::string> mtextParagraphs(std::string_view content);

// The arc from `from` to `to` (object coordinates, same z) that a polyline
// bulge describes, in world coordinates.
void addBulgeSegment(const Ocs& ocs, const V3& from, const V3& to, double bulge, Geometry& out);

}  // namespace zcad::shapes

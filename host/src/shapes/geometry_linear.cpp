// LINE and POINT, and the three- and four-sided entities.
#include "geometry.h"

namespace zcad::shapes {

namespace {

// A SOLID or TRACE names its corners in zigzag order: 1 2 4 3 goes round.
void addFilledQuad(const EntityRecord& e, Geometry& out) {
    const Ocs ocs = e.ocs();
    const V3 p1 = ocs.toWorld(e.point(10));
    const V3 p2 = ocs.toWorld(e.point(11));
    const V3 p3 = ocs.toWorld(e.point(12));
    const V3 p4 = e.has(13) ? ocs.toWorld(e.point(13)) : p3;
    const V3 corners[] = {p1, p2, p4, p3};
    out.addPolygon(corners, true);
}

void addFace(const EntityRecord& e, Geometry& out) {
    const V3 p1 = e.point(10);
    const V3 p2 = e.point(11);
    const V3 p3 = e.point(12);
    const V3 p4 = e.has(13) ? e.point(13) : p3;
    const V3 corners[] = {p1, p2, p3, p4};
    out.addPolygon(corners, false);
}

}  // namespace

void addLinearShape(const EntityRecord& e, Geometry& out) {
    const std::string_view type = e.type();
    if (type == "LINE") {
        out.segments.push_back({e.point(10), e.point(11)});
        return;
    }
    if (type == "POINT") {
        out.points.push_back(e.point(10));
        return;
    }
    if (type == "3DFACE") return addFace(e, out);
    addFilledQuad(e, out);
}

}  // namespace zcad::shapes

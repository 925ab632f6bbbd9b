// Old-style POLYLINE sequences (2D, 3D, meshes, polyface meshes) and
// LWPOLYLINE.
#include <algorithm>

#include "geometry.h"
#include "zcad/entity_shape.h"

namespace zcad::shapes {

namespace {

// Vertex flags (group 70).
constexpr std::int64_t kSplineFitVertex = 8;
constexpr std::int64_t kFrameControlPoint = 16;
constexpr std::int64_t kMeshVertex = 64;
constexpr std::int64_t kFaceRecord = 128;

struct Vertex {
    V3 at;
    double bulge = 0;
    std::int64_t flags = 0;
    int faceIndex[4] = {0, 0, 0, 0};
};

std::vector<Vertex> vertices(const Database& db, EntityId id) {
    std::vector<Vertex> out;
    for (const EntityId sub : subEntities(db, id)) {
        const EntityRecord v(db, sub);
        if (v.type() != "VERTEX") continue;
        Vertex vertex{v.point(10), v.real(42, 0.0), v.integer(70, 0)};
        for (int k = 0; k < 4; ++k) vertex.faceIndex[k] = static_cast<int>(v.integer(71 + k, 0));
        out.push_back(vertex);
    }
    return out;
}

void addPlanar(const EntityRecord& head, const std::vector<Vertex>& all, Geometry& out) {
    const Ocs ocs = head.ocs();
    const double elevation = head.point(10).z;
    // A spline-fit polyline is drawn through its fit vertices; the frame
    // that controls it is not part of the curve.
    const bool splineFit = std::any_of(all.begin(), all.end(), [](const Vertex& v) { return v.flags & kSplineFitVertex; });
    std::vector<Vertex> path;
    for (const Vertex& v : all) {
        if (splineFit && (v.flags & kFrameControlPoint)) continue;
        path.push_back(v);
        path.back().at.z = elevation;
    }
    const bool closed = head.integer(70, 0) & 1;
    if (path.size() == 1) out.points.push_back(ocs.toWorld(path.front().at));
    for (std::size_t i = 0; i + 1 < path.size(); ++i) addBulgeSegment(ocs, path[i].at, path[i + 1].at, path[i].bulge, out);
    if (closed && path.size() > 2) addBulgeSegment(ocs, path.back().at, path.front().at, path.back().bulge, out);
}

void add3d(const EntityRecord& head, const std::vector<Vertex>& all, Geometry& out) {
    std::vector<V3> path;
    for (const Vertex& v : all) {
        if (!(v.flags & kFrameControlPoint)) path.push_back(v.at);
    }
    if (path.size() == 1) out.points.push_back(path.front());
    for (std::size_t i = 0; i + 1 < path.size(); ++i) out.segments.push_back({path[i], path[i + 1]});
    if ((head.integer(70, 0) & 1) && path.size() > 2) out.segments.push_back({path.back(), path.front()});
}

// An M by N grid of vertices, row after row; flags 1 and 32 close it in M
// and in N.
void addMesh(const EntityRecord& head, const std::vector<Vertex>& all, Geometry& out) {
    const auto m = static_cast<std::size_t>(std::max<std::int64_t>(head.integer(71, 0), 0));
    const auto n = static_cast<std::size_t>(std::max<std::int64_t>(head.integer(72, 0), 0));
    if (m == 0 || n == 0 || all.size() < m * n) {
        for (const Vertex& v : all) out.points.push_back(v.at);
        return;
    }
    const auto flags = head.integer(70, 0);
    const bool closedM = flags & 1;
    const bool closedN = flags & 32;
    auto at = [&](std::size_t i, std::size_t j) { return all[i * n + j].at; };
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (j + 1 < n || (closedN && n > 2)) out.segments.push_back({at(i, j), at(i, (j + 1) % n)});
            if (i + 1 < m || (closedM && m > 2)) out.segments.push_back({at(i, j), at((i + 1) % m, j)});
        }
    }
}

// Position vertices first; face records name up to four of them (1-based,
// negative for an invisible edge, which still belongs to the shape).
void addPolyface(const std::vector<Vertex>& all, Geometry& out) {
    std::vector<V3> positions;
    for (const Vertex& v : all) {
        if ((v.flags & kMeshVertex) || !(v.flags & kFaceRecord)) positions.push_back(v.at);
    }
    out.points.insert(out.points.end(), positions.begin(), positions.end());
    for (const Vertex& v : all) {
        if ((v.flags & kMeshVertex) || !(v.flags & kFaceRecord)) continue;
        std::vector<V3> corners;
        for (const int index : v.faceIndex) {
            const auto k = static_cast<std::size_t>(std::abs(index));
            if (k >= 1 && k <= positions.size()) corners.push_back(positions[k - 1]);
        }
        if (corners.size() >= 2) out.addPolygon(corners, false);
    }
}

}  // namespace

void addBulgeSegment(const Ocs& ocs, const V3& from, const V3& to, double bulge, Geometry& out) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double chord = std::hypot(dx, dy);
    if (bulge == 0 || chord == 0 || !std::isfinite(bulge)) {
        out.segments.push_back({ocs.toWorld(from), ocs.toWorld(to)});
        return;
    }
    // The centre sits off the chord's midpoint by d (1 - b^2) / (4 b), to
    // the left of the chord; a positive bulge turns counter-clockwise.
    const double offset = chord * (1 - bulge * bulge) / (4 * bulge);
    const double cx = (from.x + to.x) / 2 - dy / chord * offset;
    const double cy = (from.y + to.y) / 2 + dx / chord * offset;
    const double radius = chord * (1 + bulge * bulge) / (4 * std::fabs(bulge));
    const double a1 = std::atan2(from.y - cy, from.x - cx);
    const double a2 = std::atan2(to.y - cy, to.x - cx);
    double start = bulge > 0 ? a1 : a2;
    double end = bulge > 0 ? a2 : a1;
    while (end <= start) end += kTwoPi;
    ArcPiece arc;
    arc.centre = ocs.toWorld({cx, cy, from.z});
    arc.u = radius * ocs.xAxis();
    arc.v = radius * ocs.yAxis();
    arc.t0 = start;
    arc.t1 = end;
    out.arcs.push_back(arc);
}

void addPolylineShape(const Database& db, EntityId id, const EntityRecord& e, Geometry& out) {
    const std::vector<Vertex> all = vertices(db, id);
    const auto flags = e.integer(70, 0);
    if (flags & kPolyfaceMesh) return addPolyface(all, out);
    if (flags & kPolygonMesh) return addMesh(e, all, out);
    if (flags & kPolyline3d) return add3d(e, all, out);
    addPlanar(e, all, out);
}

void addLwPolylineShape(const EntityRecord& e, Geometry& out) {
    const Ocs ocs = e.ocs();
    const double elevation = e.real(38, 0.0);
    std::vector<Vertex> path;
    for (const auto& g : e.groups()) {
        if (g.code == 10) path.push_back({{g.xyz[0], g.xyz[1], elevation}});
        if (g.code == 42 && !path.empty()) path.back().bulge = g.xyz[0];
    }
    if (path.size() == 1) out.points.push_back(ocs.toWorld(path.front().at));
    for (std::size_t i = 0; i + 1 < path.size(); ++i) addBulgeSegment(ocs, path[i].at, path[i + 1].at, path[i].bulge, out);
    if ((e.integer(70, 0) & 1) && path.size() > 2) addBulgeSegment(ocs, path.back().at, path.front().at, path.back().bulge, out);
}

}  // namespace zcad::shapes

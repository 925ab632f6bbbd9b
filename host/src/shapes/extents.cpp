#include <algorithm>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "entity_record.h"
#include "geometry.h"
#include "zcad/entity_shape.h"

namespace zcad {

namespace {

using shapes::ArcPiece;
using shapes::V3;

void addPoint(Box& box, const V3& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return;
    const double xyz[3] = {p.x, p.y, p.z};
    box.add(xyz);
}

// Each coordinate of centre + u cos t + v sin t is extreme where
// tan t = v_i / u_i; those inside the sweep join the two ends.
void addArc(Box& box, const ArcPiece& arc) {
    addPoint(box, arc.at(arc.t0));
    addPoint(box, arc.at(arc.t1));
    const double u[3] = {arc.u.x, arc.u.y, arc.u.z};
    const double v[3] = {arc.v.x, arc.v.y, arc.v.z};
    for (int i = 0; i < 3; ++i) {
        if (u[i] == 0 && v[i] == 0) continue;
        const double base = std::atan2(v[i], u[i]);
        for (const double t : {base, base + shapes::kTwoPi / 2}) {
            double inSweep = arc.t0 + std::fmod(t - arc.t0, shapes::kTwoPi);
            if (inSweep < arc.t0) inSweep += shapes::kTwoPi;
            if (inSweep <= arc.t1) addPoint(box, arc.at(inSweep));
        }
    }
}

Box boxOf(const shapes::Geometry& g) {
    Box box;
    for (const V3& p : g.points) addPoint(box, p);
    for (const auto& s : g.segments) {
        addPoint(box, s.from);
        addPoint(box, s.to);
    }
    for (const auto& arc : g.arcs) addArc(box, arc);
    if (box.empty() || (g.thickness.x == 0 && g.thickness.y == 0 && g.thickness.z == 0)) return box;
    const V3 low{box.min[0], box.min[1], box.min[2]};
    const V3 high{box.max[0], box.max[1], box.max[2]};
    addPoint(box, low + g.thickness);
    addPoint(box, high + g.thickness);
    return box;
}

bool isSubEntityType(std::string_view type) { return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND"; }

// What the plain kinds need of a list, read in one pass.
struct PlainList {
    double points[4][3] = {};
    bool has[4] = {};
    bool flat[4] = {};
    double elevation = 0;  // group 38, the z of a flat point
    double thickness = 0;
    std::int64_t flags = 0;
    bool paperSpace = false;

    // The first group of a code counts, as EntityRecord reads it.
    explicit PlainList(std::span<const std::uint8_t> list) {
        bool seen38 = false, seen39 = false, seen67 = false, seen70 = false;
        GroupReader reader(list);
        Group g;
        while (reader.next(g)) {
            if (g.code >= 10 && g.code <= 13 && !has[g.code - 10]) {
                const auto i = static_cast<std::size_t>(g.code - 10);
                std::copy(g.xyz, g.xyz + 3, points[i]);
                has[i] = true;
                flat[i] = g.flat;
            } else if (g.code == 38 && !std::exchange(seen38, true)) {
                elevation = g.xyz[0];
            } else if (g.code == 39 && !std::exchange(seen39, true)) {
                thickness = g.xyz[0];
            } else if (g.code == 67 && !std::exchange(seen67, true)) {
                paperSpace = g.integer == 1;
            } else if (g.code == 70 && !std::exchange(seen70, true)) {
                flags = g.integer;
            }
        }
    }
    // As EntityRecord::point: the origin when missing.
    void add(Box& box, std::size_t i) const {
        if (!has[i]) return addPoint(box, {});
        addPoint(box, {points[i][0], points[i][1], flat[i] ? elevation : points[i][2]});
    }
};

constexpr std::int64_t kFrameControlPoint = 16;
constexpr std::int64_t kMeshVertex = 64;
constexpr std::int64_t kFaceRecord = 128;

// What the vertices after an entity add: a 3D polyline's drawn vertices, a
// polyface mesh's positions (its shape holds every position vertex, and its
// faces only join them). They are boxed one by one where they lie, so that
// a mesh of a million vertices is shared among the threads.
enum class Followers : std::uint8_t { None, Polyline3d, Polyface };

// A vertex's first point, elevation and flags, as PlainList takes them, read
// only as far as they decide: a mesh's face records, most of its vertices,
// add nothing once their flags are known.
void addFollower(const Database& db, EntityId id, Followers followers, Box& box) {
    if (followers == Followers::None) return;
    const auto drawnWith = [followers](std::int64_t flags) {
        return followers == Followers::Polyline3d ? !(flags & kFrameControlPoint)
                                                  : (flags & kMeshVertex) || !(flags & kFaceRecord);
    };
    GroupReader reader(db.list(id));
    Group g;
    const double* point = nullptr;
    double at[3] = {};
    bool flat = false, seen38 = false, seen70 = false;
    double elevation = 0;
    while (reader.next(g)) {
        if (g.code == 10 && !point) {
            std::copy(g.xyz, g.xyz + 3, at);
            point = at;
            flat = g.flat;
        } else if (g.code == 38 && !std::exchange(seen38, true)) {
            elevation = g.xyz[0];
        } else if (g.code == 70 && !std::exchange(seen70, true)) {
            if (!drawnWith(g.integer)) return;
        }
        if (seen70 && point && !flat) break;
    }
    if (!seen70 && !drawnWith(0)) return;
    if (!point) return addPoint(box, {});
    addPoint(box, {at[0], at[1], flat ? elevation : at[2]});
}

// POINT, LINE, 3DFACE, 3D polylines and polyface meshes, the bulk of a
// large drawing, are boxed straight from their lists: building their shapes
// costs several times more. False for an entity that needs its shape.
bool addPlainExtents(const Database& db, EntityId id, std::string_view type, Box& box, Followers& followers) {
    const bool polyline = type == "POLYLINE";
    if (!polyline && type != "POINT" && type != "LINE" && type != "3DFACE") return false;
    const PlainList e(db.list(id));
    if (e.thickness != 0) return false;
    // The polyface flag decides the shape whatever else is set.
    const bool polyface = polyline && (e.flags & shapes::kPolyfaceMesh);
    if (polyline && !polyface && (!(e.flags & shapes::kPolyline3d) || (e.flags & shapes::kPolygonMesh))) return false;
    if (e.paperSpace) return true;
    if (polyline) {
        followers = polyface ? Followers::Polyface : Followers::Polyline3d;
    } else if (type == "POINT") {
        e.add(box, 0);
    } else if (type == "LINE") {
        e.add(box, 0);
        e.add(box, 1);
    } else {
        for (std::size_t i = 0; i < 3; ++i) e.add(box, i);
        e.add(box, e.has[3] ? 3 : 2);
    }
    return true;
}

// Whose vertices a slice starts among: the polyline before its first vertices.
Followers followersAt(const Database& db, EntityId first) {
    for (EntityId id = first; id-- > 0;) {
        if (!db.valid(id)) continue;
        const std::string_view type = db.type(id);
        if (type == "VERTEX") continue;
        Followers followers = Followers::None;
        Box ignored;
        if (type == "POLYLINE") addPlainExtents(db, id, type, ignored, followers);
        return followers;
    }
    return Followers::None;
}

Box extentsOfRange(const Database& db, EntityId first, EntityId last) {
    Box box;
    // One record and one shape reused: a drawing can hold millions of entities.
    shapes::EntityRecord e;
    shapes::Geometry shape;
    Followers followers = followersAt(db, first);
    for (EntityId id = first; id < last; ++id) {
        if (!db.valid(id)) continue;
        const std::string_view type = db.type(id);
        if (type == "VERTEX") {
            addFollower(db, id, followers, box);
            continue;
        }
        followers = Followers::None;
        if (isSubEntityType(type) || addPlainExtents(db, id, type, box, followers)) continue;
        e.load(db, id);
        if (e.paperSpace()) continue;
        shapes::entityGeometry(db, id, e, shape);
        box.add(boxOf(shape));
    }
    return box;
}

// Below this a thread costs more than it saves.
constexpr std::size_t kParallelFrom = 32768;
constexpr unsigned kMostThreads = 4;

}  // namespace

Box entityExtents(const Database& db, EntityId id) { return boxOf(shapes::entityGeometry(db, id)); }

Box drawingExtents(const Database& db) {
    const auto count = static_cast<EntityId>(db.entityCount());
    const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostThreads);
    if (count < kParallelFrom || threads < 2) return extentsOfRange(db, 0, count);
    // Reading the database is safe from several threads; each takes a slice.
    // What a slice throws (running out of memory) is thrown here once every
    // thread has ended.
    std::vector<Box> boxes(threads);
    std::vector<std::exception_ptr> failures(threads);
    {
        std::vector<std::jthread> workers;
        workers.reserve(threads);
        for (unsigned i = 0; i < threads; ++i) {
            const auto first = static_cast<EntityId>(std::uint64_t{count} * i / threads);
            const auto last = static_cast<EntityId>(std::uint64_t{count} * (i + 1) / threads);
            const auto slice = [&db, &boxes, &failures, i, first, last] {
                try {
                    boxes[i] = extentsOfRange(db, first, last);
                } catch (...) {
                    failures[i] = std::current_exception();
                }
            };
            try {
                workers.emplace_back(slice);
            } catch (const std::system_error&) {
                slice();  // no thread to be had: this one does the slice
            }
        }
    }
    for (const auto& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
    Box box;
    for (const auto& part : boxes) box.add(part);
    return box;
}

}  // namespace zcad

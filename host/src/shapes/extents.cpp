#include <algorithm>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

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

Box extentsOfRange(const Database& db, EntityId first, EntityId last) {
    Box box;
    // One record and one shape reused: a drawing can hold millions of entities.
    shapes::EntityRecord e;
    shapes::Geometry shape;
    for (EntityId id = first; id < last; ++id) {
        if (!db.valid(id)) continue;
        e.load(db, id);
        if (isSubEntityType(e.type()) || e.paperSpace()) continue;
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

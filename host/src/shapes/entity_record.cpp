#include "entity_record.h"

namespace zcad::shapes {

EntityRecord::EntityRecord(const Database& db, EntityId id) { load(db, id); }

void EntityRecord::load(const Database& db, EntityId id) {
    decodeGroups(db.list(id), groups_);
    type_ = !groups_.empty() && groups_.front().code == 0 ? groups_.front().text : std::string_view();
}

const Group* EntityRecord::find(int code) const {
    for (const auto& g : groups_) {
        if (g.code == code) return &g;
    }
    return nullptr;
}

double EntityRecord::real(int code, double fallback) const {
    const Group* g = find(code);
    if (!g) return fallback;
    if (g->kind == GroupKind::Real || g->kind == GroupKind::Point) return g->xyz[0];
    if (g->kind == GroupKind::String) return fallback;
    return static_cast<double>(g->integer);
}

std::int64_t EntityRecord::integer(int code, std::int64_t fallback) const {
    const Group* g = find(code);
    if (!g) return fallback;
    if (g->kind == GroupKind::Real) return static_cast<std::int64_t>(g->xyz[0]);
    if (g->kind == GroupKind::String || g->kind == GroupKind::Point) return fallback;
    return g->integer;
}

std::string_view EntityRecord::text(int code) const {
    const Group* g = find(code);
    return g && g->kind == GroupKind::String ? g->text : std::string_view();
}

V3 EntityRecord::pointOf(const Group& g) const {
    if (g.flat) return {g.xyz[0], g.xyz[1], real(38, 0.0)};
    return {g.xyz[0], g.xyz[1], g.xyz[2]};
}

V3 EntityRecord::point(int code, const V3& fallback) const {
    const Group* g = find(code);
    return g && g->kind == GroupKind::Point ? pointOf(*g) : fallback;
}

V3 EntityRecord::extrusion() const {
    const Group* g = find(210);
    if (!g || g->kind != GroupKind::Point) return {0, 0, 1};
    return {g->xyz[0], g->xyz[1], g->xyz[2]};
}

bool isPlanarPolyline(std::int64_t flags) { return (flags & (kPolyline3d | kPolygonMesh | kPolyfaceMesh)) == 0; }

}  // namespace zcad::shapes

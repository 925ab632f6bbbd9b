#include "drawing_vars.h"

#include <cmath>

namespace zcad::geom {

namespace {

bool isIntegral(GroupKind kind) {
    return kind == GroupKind::Int16 || kind == GroupKind::Int32 || kind == GroupKind::Int64;
}

Vec3 headerPoint(const Database& db, std::string_view name, const Vec3& fallback) {
    const OwnedGroup* g = headerGroup(db, name, 10);
    if (!g || g->kind != GroupKind::Point) return fallback;
    return {g->xyz[0], g->xyz[1], g->xyz[2]};
}

}  // namespace

const OwnedGroup* headerGroup(const Database& db, std::string_view name, int code) {
    const HeaderVar* var = db.headerVar(name);
    if (!var) return nullptr;
    for (const auto& g : var->groups) {
        if (g.code == code) return &g;
    }
    return nullptr;
}

int headerInt(const Database& db, std::string_view name, int code, int fallback) {
    const OwnedGroup* g = headerGroup(db, name, code);
    if (!g || !isIntegral(g->kind)) return fallback;
    return static_cast<int>(g->integer);
}

double headerReal(const Database& db, std::string_view name, int code, double fallback) {
    const OwnedGroup* g = headerGroup(db, name, code);
    if (!g || (g->kind != GroupKind::Real && g->kind != GroupKind::Point) || !std::isfinite(g->xyz[0])) return fallback;
    return g->xyz[0];
}

std::string_view headerText(const Database& db, std::string_view name, int code, std::string_view fallback) {
    const OwnedGroup* g = headerGroup(db, name, code);
    if (!g || g->kind != GroupKind::String || g->text.empty()) return fallback;
    return g->text;
}

Frame currentUserFrame(const Database& db) {
    const Vec3 origin = headerPoint(db, "$UCSORG", {0, 0, 0});
    const Vec3 xDirection = headerPoint(db, "$UCSXDIR", {1, 0, 0});
    const Vec3 yDirection = headerPoint(db, "$UCSYDIR", {0, 1, 0});
    return userFrame(origin, xDirection, yDirection).value_or(worldFrame());
}

}  // namespace zcad::geom

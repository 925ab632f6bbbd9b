#include "point_roles.h"

#include <algorithm>
#include <array>

namespace zcad::shapes {

namespace {

struct TypeRule {
    std::string_view type;
    std::array<int, 6> vectors;  // point codes that are directions or sizes; 0 ends
};

// Besides these, every point group 10..18 of an entity is a place.
constexpr TypeRule kVectorCodes[] = {
    {"MTEXT", {11}},     {"ELLIPSE", {11}},           {"XLINE", {11}},
    {"RAY", {11}},       {"TOLERANCE", {11}},         {"SPLINE", {12, 13}},
    {"MLINE", {12, 13}}, {"IMAGE", {11, 12, 13, 14}}, {"WIPEOUT", {11, 12, 13, 14}},
    {"VIEWPORT", {12, 13, 14, 15, 16, 17}},
};

const TypeRule* vectorsOf(std::string_view type) {
    const auto it = std::find_if(std::begin(kVectorCodes), std::end(kVectorCodes),
                                 [&](const TypeRule& rule) { return rule.type == type; });
    return it == std::end(kVectorCodes) ? nullptr : it;
}

bool isPlaceCode(int code) { return code >= 10 && code <= 18; }

// A dimension keeps its definition points in the world and its text and
// clone points in its object system.
PointSystem dimensionSystem(int code) {
    return code == 11 || code == 12 || code == 16 ? PointSystem::Object : PointSystem::World;
}

// Hatch boundaries mix places and vectors: an ellipse edge's 11 is its
// major axis, a spline edge's 12 and 13 its end tangents. Group 72 is the
// edge type, except in polyline paths (92 bit 2) where it flags bulges.
std::vector<PlacePoint> hatchPlaces(const std::vector<OwnedGroup>& groups) {
    std::vector<PlacePoint> out;
    bool polylinePath = false;
    std::int64_t edgeType = 0;
    bool elevationSeen = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const OwnedGroup& g = groups[i];
        if (g.code == 92) polylinePath = (g.integer & 2) != 0;
        if (g.code == 72 && !polylinePath) edgeType = g.integer;
        if (g.kind != GroupKind::Point || !isPlaceCode(g.code)) continue;
        if (g.code == 10 && !elevationSeen) {
            elevationSeen = true;
            out.push_back({i, PointSystem::Object, true});
            continue;
        }
        if (g.code == 12 || g.code == 13) continue;
        if (g.code == 11 && edgeType == 3) continue;
        out.push_back({i, PointSystem::Object, false});
    }
    return out;
}

}  // namespace

bool isObjectSystemType(std::string_view type, bool planarPolyline) {
    if (type == "POLYLINE" || type == "VERTEX") return planarPolyline;
    constexpr std::string_view kObjectTypes[] = {"CIRCLE", "ARC",   "TEXT",   "ATTRIB",     "ATTDEF", "SHAPE",
                                                 "SOLID",  "TRACE", "INSERT", "LWPOLYLINE", "HATCH"};
    return std::find(std::begin(kObjectTypes), std::end(kObjectTypes), type) != std::end(kObjectTypes);
}

PlaceRule::PlaceRule(std::string_view type, bool ownerPlanar) {
    const TypeRule* vectors = vectorsOf(type);
    const bool dimension = type == "DIMENSION";
    const PointSystem system = isObjectSystemType(type, ownerPlanar) ? PointSystem::Object : PointSystem::World;
    for (int code = kFirstPlace; code <= kLastPlace; ++code) {
        if (vectors && std::find(vectors->vectors.begin(), vectors->vectors.end(), code) != vectors->vectors.end()) {
            continue;
        }
        places_[static_cast<std::size_t>(code - kFirstPlace)] = dimension ? dimensionSystem(code) : system;
    }
}

std::vector<PlacePoint> placePoints(std::string_view type, const std::vector<OwnedGroup>& groups, bool ownerPlanar) {
    if (type == "HATCH") return hatchPlaces(groups);
    const PlaceRule rule(type, ownerPlanar);
    std::vector<PlacePoint> out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const OwnedGroup& g = groups[i];
        if (g.kind != GroupKind::Point) continue;
        if (const auto system = rule.placeOf(g.code)) out.push_back({i, *system, false});
    }
    return out;
}

}  // namespace zcad::shapes

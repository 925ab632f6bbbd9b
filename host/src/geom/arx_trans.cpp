// acedTrans over the frames of the world, the current UCS, an extrusion
// direction or an entity's own system.
#include <optional>
#include <string_view>

#include "arx/acedads.h"
#include "drawing_vars.h"
#include "entity_system.h"
#include "frame.h"

namespace {

using zcad::geom::Frame;
using zcad::geom::Vec3;

constexpr int kTypeGroup = 0;
constexpr int kFlagsGroup = 70;
constexpr int kExtrusionGroup = 210;

std::optional<Frame> entityFrame(const ads_name entity) {
    resbuf* list = acdbEntGet(entity);
    if (!list) return std::nullopt;
    std::string_view type;
    int flags = 0;
    Vec3 extrusion{0, 0, 1};
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == kTypeGroup && rb->resval.rstring) type = rb->resval.rstring;
        if (rb->restype == kFlagsGroup) flags = rb->resval.rint;
        if (rb->restype == kExtrusionGroup) extrusion = {rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]};
    }
    const bool world = zcad::geom::entityPointsInWorld(type, flags);
    acutRelRb(list);
    if (world) return zcad::geom::worldFrame();
    return zcad::geom::objectFrame(extrusion);
}

std::optional<Frame> systemOf(const resbuf* system) {
    if (!system) return std::nullopt;
    switch (system->restype) {
        case RTSHORT:
            if (system->resval.rint == 0) return zcad::geom::worldFrame();
            // The display system is the user system: views here have no twist.
            if (system->resval.rint == 1 || system->resval.rint == 2) {
                return zcad::geom::currentUserFrame(zcad::currentDatabase());
            }
            return std::nullopt;
        case RT3DPOINT: {
            const ads_real* p = system->resval.rpoint;
            return zcad::geom::objectFrame({p[0], p[1], p[2]});
        }
        case RTENAME:
            return entityFrame(system->resval.rlname);
        default:
            return std::nullopt;
    }
}

}  // namespace

int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int displacement, ads_point result) {
    if (!point || !result) return RTERROR;
    const auto source = systemOf(from);
    const auto target = systemOf(to);
    if (!source || !target) return RTERROR;
    const Vec3 p = zcad::geom::transform(*source, *target, {point[X], point[Y], point[Z]}, displacement != 0);
    result[X] = p.x;
    result[Y] = p.y;
    result[Z] = p.z;
    return RTNORM;
}

#include "drawing/object_system.h"

#include "arx/acedads.h"
#include "geometry/host_point.h"

namespace zadrawing {

ObjectSystem::ObjectSystem(TargetSystem target) {
    to_.restype = RTSHORT;
    to_.resval.rint = static_cast<short>(target);
    fromWorld();
}

void ObjectSystem::fromWorld() {
    from_.restype = RTSHORT;
    from_.resval.rint = static_cast<short>(TargetSystem::World);
    settle(to_.resval.rint != from_.resval.rint);
}

void ObjectSystem::fromExtrusion(const ZaPoint& extrusion) {
    if (extrusion == ZaPoint{0, 0, 1}) return fromWorld();
    from_.restype = RT3DPOINT;
    ads_point_set(zageometry::HostPoint(extrusion), from_.resval.rpoint);
    settle(true);
}

void ObjectSystem::settle(bool moves) {
    moves_ = moves;
    sense_ = moves ? 0 : 1;
}

ZaPoint ObjectSystem::operator()(const ZaPoint& point) const {
    if (!moves_) return point;
    zageometry::HostPoint moved;
    if (acedTrans(zageometry::HostPoint(point), &from_, &to_, 0, moved.xyz) != RTNORM) return point;
    return moved.point();
}

double ObjectSystem::bulge(double bulge) const {
    if (sense_ == 0) {
        const ads_point up = {0, 0, 1};
        ads_point seen;
        sense_ = acedTrans(up, &from_, &to_, 1, seen) == RTNORM && seen[2] < 0 ? -1 : 1;
    }
    return sense_ * bulge;
}

}  // namespace zadrawing

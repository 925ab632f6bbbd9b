#include "strings/xyz_transform.h"

#include "arx/acedads.h"

namespace zastrings {

XYZTransform::XYZTransform(int target) {
    to_.restype = RTSHORT;
    to_.resval.rint = static_cast<short>(target == kWorldSystem ? kWorldSystem : kUserSystem);
    fromWorld();
}

void XYZTransform::fromWorld() {
    from_.restype = RTSHORT;
    from_.resval.rint = kWorldSystem;
    moves_ = to_.resval.rint != kWorldSystem;
}

void XYZTransform::fromExtrusion(const double* extrusion) {
    // The default extrusion is the world's own.
    if (!extrusion || (extrusion[0] == 0 && extrusion[1] == 0 && extrusion[2] == 1)) {
        fromWorld();
        return;
    }
    from_.restype = RT3DPOINT;
    ads_point_set(extrusion, from_.resval.rpoint);
    moves_ = true;
}

ZaPoint XYZTransform::operator()(const ZaPoint& point) const {
    if (!moves_) return point;
    ZaPoint moved{};
    // A system the host cannot make (a zero extrusion) leaves the point as held.
    if (acedTrans(point.data(), &from_, &to_, 0, moved.data()) != RTNORM) return point;
    return moved;
}

}  // namespace zastrings

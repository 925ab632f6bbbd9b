// Points of the drawing into the coordinate system a command works in: the
// world, or the current user system. An entity holds its points in the
// world (lines, points, faces, 3D polylines, MTEXT) or in the system of
// its extrusion (arcs, circles, TEXT, 2D polylines); they move only when
// that system is not the target, so a world run over world points asks
// the host for nothing.
#pragma once

#include "arx/adsdef.h"
#include "geometry/point.h"

namespace zadrawing {

enum class TargetSystem : short { World = 0, User = 1 };

// The target of a command's "Coordinate System Preference": 0 the world,
// any other the user system.
inline TargetSystem targetOfPreference(int preference) {
    return preference == 0 ? TargetSystem::World : TargetSystem::User;
}

class ObjectSystem {
public:
    explicit ObjectSystem(TargetSystem target = TargetSystem::World);

    // Per entity: its points are in the world, or in the system of its
    // extrusion (the world's own z axis is the world).
    void fromWorld();
    void fromExtrusion(const ZaPoint& extrusion);

    ZaPoint operator()(const ZaPoint& point) const;
    // A bulge as seen in the target: where the entity's z axis points away
    // from the target's, its arcs turn the other way.
    double bulge(double bulge) const;

private:
    void settle(bool moves);

    resbuf from_{};
    resbuf to_{};
    bool moves_ = false;
    mutable double sense_ = 1;  // 0 until a bulge asks for it
};

}  // namespace zadrawing

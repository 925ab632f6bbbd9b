// Points of the drawing into the coordinate system an export writes: the
// world, or the current user system. An entity's points are in the world,
// or in its own system when it is one that carries an extrusion (arcs,
// circles, text, 2D polylines); each is moved only when its system is not
// the target, so a world export of world points calls the host for none.
#pragma once

#include "arx/adsdef.h"
#include "geometry/bulge_arc.h"

namespace zastrings {

inline constexpr int kWorldSystem = 0;
inline constexpr int kUserSystem = 1;

class XYZTransform {
public:
    explicit XYZTransform(int target = kWorldSystem);

    // Per entity: its points are in the world, or in the system of its
    // extrusion (null when it carries none: the world then).
    void fromWorld();
    void fromExtrusion(const double* extrusion);

    ZaPoint operator()(const ZaPoint& point) const;

private:
    resbuf from_{};
    resbuf to_{};
    bool moves_ = false;
};

}  // namespace zastrings

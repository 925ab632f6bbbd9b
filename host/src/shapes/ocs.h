// Object coordinate systems of planar entities, by the DXF arbitrary axis
// algorithm.
#pragma once

#include "vec.h"

namespace zcad::shapes {

class Ocs {
public:
    // A zero or non-finite extrusion falls back to the world system, as
    // readers of damaged files do.
    explicit Ocs(const V3& extrusion);

    bool isWorld() const { return world_; }
    const V3& xAxis() const { return ax_; }
    const V3& yAxis() const { return ay_; }
    const V3& zAxis() const { return az_; }

    V3 toWorld(const V3& p) const;
    V3 fromWorld(const V3& p) const;

private:
    V3 ax_{1, 0, 0};
    V3 ay_{0, 1, 0};
    V3 az_{0, 0, 1};
    bool world_ = true;
};

}  // namespace zcad::shapes

// A triangle as a loader reads it ahead of drawing: with its corners and
// its surface normal, when its points are in the file.
#pragma once

#include <array>

#include "triangles/triangle_model.h"

namespace zatriangles {

struct TrianglePull {
    bool got = false;  // false: the file ended inside the triangles
    bool inRange = false;
    UTTriangle triangle;
    std::array<ZaPoint, 3> corners{};
    ZaPoint normal{};
};

// The next triangle of the model; false after the last. The point table is
// only read and reading a triangle moves nothing but the triangle stream,
// so a second thread may do this while the loader draws.
bool pullTriangle(TriangleModel& model, TrianglePull& pull);

}  // namespace zatriangles

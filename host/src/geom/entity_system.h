// Which entities keep their points in world coordinates rather than in the
// object system of their extrusion (the DXF reference's list: lines, points,
// 3D faces, 3D polylines and meshes with their vertices, and the later
// entities that are 3D by nature).
#pragma once

#include <string_view>

namespace zcad::geom {

// `type` is group 0 in any case; `flags` group 70 (0 when absent).
bool entityPointsInWorld(std::string_view type, int flags);

}  // namespace zcad::geom

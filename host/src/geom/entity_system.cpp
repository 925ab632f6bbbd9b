#include "entity_system.h"

#include <array>

#include "zcad/text.h"

namespace zcad::geom {

bool entityPointsInWorld(std::string_view type, int flags) {
    constexpr std::array kWorldTypes{std::string_view{"LINE"}, std::string_view{"POINT"}, std::string_view{"3DFACE"},
                                     std::string_view{"ELLIPSE"}, std::string_view{"SPLINE"}, std::string_view{"MTEXT"},
                                     std::string_view{"RAY"}, std::string_view{"XLINE"}, std::string_view{"LEADER"}};
    for (const auto w : kWorldTypes) {
        if (equalNoCase(type, w)) return true;
    }
    constexpr int k3dPolyline = 8, kPolygonMesh = 16, kPolyfaceMesh = 64;
    if (equalNoCase(type, "POLYLINE")) return (flags & (k3dPolyline | kPolygonMesh | kPolyfaceMesh)) != 0;
    constexpr int k3dVertex = 32, kMeshVertex = 64, kFaceRecord = 128;
    if (equalNoCase(type, "VERTEX")) return (flags & (k3dVertex | kMeshVertex | kFaceRecord)) != 0;
    return false;
}

}  // namespace zcad::geom

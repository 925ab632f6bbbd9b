// A triangle model, its UP and UT files, from any bytes: the first four
// bytes give the length of the UP part (little-endian), the rest after it
// is the UT file. The reader must refuse or read them, never crash, hang
// or read out of bounds, and walking the model as the loaders do (points
// of active triangles, neighbours across edges that are not boundary)
// must stay within it whenever the prescan passed.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/byte_order.h"
#include "triangles/surface_geometry.h"
#include "triangles/triangle_model.h"

using namespace zatriangles;

namespace {

bool opened(TriangleModel& model, std::span<const char> up, std::span<const char> ut) {
    return model.openPoints(zafiles::memorySource(up)) && model.readPoints() &&
           model.openTriangles(zafiles::memorySource(ut));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::size_t upLength = std::min<std::size_t>(zafiles::loadU32LE(bytes), size - 4);
    const std::span<const char> up(bytes + 4, upLength);
    const std::span<const char> ut(bytes + 4 + upLength, size - 4 - upLength);

    TriangleModel model;
    std::vector<ZaPoint> drainage;
    const bool ready = opened(model, up, ut);
    if (ready != (model.fault() == UTFault::None)) __builtin_trap();
    if (!ready) return 0;
    drainage.assign(static_cast<std::size_t>(model.triangleCount()), ZaPoint{});
    const bool checked = model.prescan(true, [&](std::int64_t t, const UTTriangle& triangle) {
        if (!triangle.active()) return;
        const auto& v = triangle.vertices;
        drainage[static_cast<std::size_t>(t)] =
            drainageNormal(surfaceNormal(model.point(v[0]), model.point(v[1]), model.point(v[2])));
    });
    if (checked == (model.fault() != UTFault::None)) __builtin_trap();
    if (!checked) return 0;
    UTTriangle triangle;
    std::int64_t active = 0;
    for (std::int64_t t = 0; t < model.triangleCount(); ++t) {
        if (!model.nextTriangle(triangle)) __builtin_trap();
        if (!triangle.active()) continue;
        ++active;
        if (!model.checkVertices(triangle)) __builtin_trap();
        // A point that is no number never reaches a drawing.
        for (const std::int32_t v : triangle.vertices) {
            const ZaPoint& p = model.point(v);
            if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) __builtin_trap();
        }
        for (int edge = 0; edge < 3; ++edge) {
            const ZaPoint& from = model.point(triangle.vertices[static_cast<std::size_t>((edge + 1) % 3)]);
            const ZaPoint& to = model.point(triangle.vertices[static_cast<std::size_t>((edge + 2) % 3)]);
            const std::int32_t across = triangle.neighbours[static_cast<std::size_t>(edge)];
            if (triangle.boundary(edge) || across >= t) continue;
            classifyEdge(from, to, drainage[static_cast<std::size_t>(t)], drainage.at(static_cast<std::size_t>(across)),
                         0.001);
        }
        aspectClass(aspectDegrees(surfaceNormal(model.point(triangle.vertices[0]), model.point(triangle.vertices[1]),
                                                model.point(triangle.vertices[2]))));
    }
    if (active != model.activeCount()) __builtin_trap();
    return 0;
}

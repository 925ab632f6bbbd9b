// PADLEV's graph on any linework: segments and texts on a coarse grid, so
// that ends meet, lines overlap and cross at their ends as drawings do. It
// must never crash, hang or read out of bounds, and a ring that closes
// must end where it began.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "pads/face_trace.h"
#include "pads/line_list.h"
#include "pads/lot_boundary.h"
#include "pads/node_graph.h"

namespace {

// Two bytes a coordinate: a grid of 1/8 units, and now and then a value
// far out or a hair off a grid line.
double coordinate(const std::uint8_t* at) {
    std::int16_t raw;
    std::memcpy(&raw, at, sizeof raw);
    if ((raw & 0x7f00) == 0x7f00) return raw * 1e9;
    return raw / 8.0 + ((raw & 1) ? 1e-13 : 0.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t texts = data[0] % 8;
    ++data;
    --size;
    std::vector<ZaPoint> points;
    for (std::size_t i = 0; i + 4 <= size; i += 4) points.push_back({coordinate(data + i), coordinate(data + i + 2)});
    if (points.size() <= texts) return 0;
    std::vector<zapads::PadSegment> segments;
    for (std::size_t i = texts; i + 1 < points.size(); i += 2) segments.push_back({points[i], points[i + 1]});

    zapads::PadGraph graph;
    zapads::PadLineCounts counts;
    graph.lines = zapads::padLineList(segments, {}, counts);
    if (zapads::padNodeGraph(graph, {}).crowded) return 0;
    const zapads::PadFaceFinder finder(graph);
    std::vector<int> ring;
    std::vector<ZaPoint> boundary;
    for (std::size_t t = 0; t < texts; ++t) {
        if (finder.trace(points[t], ring) != zapads::PadTrace::Closed) continue;
        if (ring.front() != ring.back() || ring.size() > zapads::kPadMostRingSteps + 1) __builtin_trap();
        zapads::padRingArea(graph, ring);
        zapads::padBoundary(graph, ring, 0.5, 1.0, boundary);
    }
    return 0;
}

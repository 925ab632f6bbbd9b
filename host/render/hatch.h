// HATCH entities: their boundary loops, their pattern's line families, and
// the pattern drawn inside the loops.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sink.h"
#include "shapes/entity_record.h"

namespace zcad::render {

// Closed loops in the hatch's object coordinates (x, y); curved edges as
// chords.
struct HatchLoops {
    std::vector<P2> points;
    std::vector<std::uint32_t> ends;  // one past each loop's last point
};

// One family of parallel lines: through `base` at `angle` (radians), the
// next line `offset` away, dashes as in a linetype (dash, -gap, 0 a dot);
// no dashes draws the lines whole.
struct HatchFamily {
    double angle = 0;
    P2 base;
    P2 offset;
    std::vector<double> dashes;
};

struct HatchLook {
    bool solid = false;
    std::vector<HatchFamily> families;
};

// The loops of a HATCH, curves cut into chords no further than
// `tolerance` (drawing units) from them, or 64 a turn when it is 0. A
// hatch of the style that ignores islands keeps its outer loops only.
HatchLoops hatchLoops(const shapes::EntityRecord& e, double tolerance);

// Solid, or the pattern lines the hatch carries; a hatch that names a
// pattern without carrying its lines gets it from our table, at its scale
// and angle, in inches or (`metric`) millimetres.
HatchLook hatchLook(const shapes::EntityRecord& e, bool metric);

// The families of a pattern of our table by name (any case), in inches at
// scale 1 and angle 0; empty when the table has no such pattern.
std::vector<HatchFamily> tablePattern(std::string_view name);

// The hatch's object plane in the picture: (x, y) goes to
// origin + x * xAxis + y * yAxis.
struct PlaneMap {
    P2 origin;
    P2 xAxis;
    P2 yAxis;

    P2 apply(const P2& p) const { return {origin.x + p.x * xAxis.x + p.y * yAxis.x, origin.y + p.x * xAxis.y + p.y * yAxis.y}; }
    P2 linear(const P2& v) const { return {v.x * xAxis.x + v.y * yAxis.x, v.x * xAxis.y + v.y * yAxis.y}; }
};

// Draws a family's lines where they lie inside the loops (`points` and
// `ends` in picture units; even-odd, so an island inside a loop is left
// out), within `clip`.
void drawHatchFamily(const HatchFamily& family, const PlaneMap& plane, std::span<const P2> points,
                     std::span<const std::uint32_t> ends, const Area& clip, Sink& sink);

}  // namespace zcad::render

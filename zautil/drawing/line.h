// A LINE as the commands that take its two ends read it.
#pragma once

#include <string_view>

#include "arx/adsdef.h"
#include "drawing/drawing_fault.h"
#include "geometry/point.h"

namespace zadrawing {

struct Line {
    std::string_view layer;  // valid while the list is held
    ZaPoint start{};
    ZaPoint end{};
};

// Its layer, start and end, each of which it must have, in that order.
DrawingFault readLine(const resbuf* list, Line& line);

}  // namespace zadrawing

#include "drawing/line.h"

#include "drawing/groups.h"

namespace zadrawing {

DrawingFault readLine(const resbuf* list, Line& line) {
    const auto layer = groupText(list, 8);
    if (!layer) return DrawingFault::NoLayer;
    const auto start = groupPoint(list, 10);
    if (!start) return DrawingFault::NoStart;
    const auto end = groupPoint(list, 11);
    if (!end) return DrawingFault::NoEnd;
    line = {*layer, *start, *end};
    return DrawingFault::None;
}

}  // namespace zadrawing

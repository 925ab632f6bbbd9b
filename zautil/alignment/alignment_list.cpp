#include "alignment/alignment_list.h"

#include <algorithm>

#include "geometry/plan_geometry.h"

void zaDropRepeatedVertices(ZaAlignment& list) {
    ZaAlignment kept;
    kept.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const bool repeated = i + 1 < list.size() && list[i].x == list[i + 1].x && list[i].y == list[i + 1].y;
        if (!repeated) kept.push_back(list[i]);
    }
    list = std::move(kept);
}

void zaReverseAlignment(ZaAlignment& list) {
    std::reverse(list.begin(), list.end());
    for (std::size_t i = 0; i + 1 < list.size(); ++i) list[i].bulgeOrRadius = -list[i + 1].bulgeOrRadius;
    if (!list.empty()) list.back().bulgeOrRadius = 0;
}

void zaOrientAlignments(const ZaPoint& pick, ZaAlignment& pegged, ZaAlignment* shift) {
    if (pegged.empty()) return;
    if (zaPlanDistance(pick, pegged.back().point()) < zaPlanDistance(pick, pegged.front().point())) {
        zaReverseAlignment(pegged);
    }
    if (!shift || shift->empty()) return;
    const ZaPoint pFirst = pegged.front().point();
    const ZaPoint pLast = pegged.back().point();
    const ZaPoint sFirst = shift->front().point();
    const ZaPoint sLast = shift->back().point();
    if (zaPlanDistance(pLast, sFirst) + zaPlanDistance(pFirst, sLast) <
        zaPlanDistance(pLast, sLast) + zaPlanDistance(pFirst, sFirst)) {
        zaReverseAlignment(*shift);
    }
}

// Display calls: nothing to draw here, so highlights are accepted and
// temporary vectors recorded for tests to read.
#include "arx/acedads.h"
#include "db/entity_names.h"
#include "zcad/host_test.h"

namespace zcad::test {

namespace {
std::vector<Vector>& vectors() {
    static std::vector<Vector> v;
    return v;
}
}  // namespace

const std::vector<Vector>& drawnVectors() { return vectors(); }
void clearDrawnVectors() { vectors().clear(); }
void recordVector(const Vector& v) { vectors().push_back(v); }

}  // namespace zcad::test

int acedRedraw(const ads_name entity, int mode) {
    if (mode < 0 || mode > 4) return RTERROR;
    if (!entity || ads_name_nil(entity)) return RTNORM;
    return zcad::entityOfName(zcad::currentDatabase(), entity) == zcad::kNoEntity ? RTERROR : RTNORM;
}

int acedGrDraw(const ads_point from, const ads_point to, int colour, int highlight) {
    if (!from || !to) return RTERROR;
    zcad::test::recordVector({{from[0], from[1], from[2]}, {to[0], to[1], to[2]}, colour, highlight});
    return RTNORM;
}

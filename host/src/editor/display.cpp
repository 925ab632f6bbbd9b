// Display calls: nothing to draw here, so highlights are accepted and
// temporary vectors recorded for tests to read.
#include "arx/acedads.h"
#include "db/entity_names.h"
#include "state/session_state.h"
#include "zcad/host_test.h"

namespace zcad::test {

namespace {

struct Drawn {
    std::vector<Vector> vectors;
};

std::vector<Vector>& vectors() { return sessionState<Drawn>().vectors; }

}  // namespace

const std::vector<Vector>& drawnVectors() { return vectors(); }

}  // namespace zcad::test

int acedRedraw(const ads_name entity, int mode) {
    if (mode < 0 || mode > 4) return RTERROR;
    if (!entity || ads_name_nil(entity)) return RTNORM;
    return zcad::entityOfName(zcad::currentDatabase(), entity) == zcad::kNoEntity ? RTERROR : RTNORM;
}

int acedGrDraw(const ads_point from, const ads_point to, int colour, int highlight) {
    if (!from || !to) return RTERROR;
    zcad::test::vectors().push_back({{from[0], from[1], from[2]}, {to[0], to[1], to[2]}, colour, highlight});
    return RTNORM;
}

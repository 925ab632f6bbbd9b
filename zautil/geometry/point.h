// The module's one point: x, y, z in drawing units, plan points with z 0.
// A triple of doubles, so a host call takes it as its ads_point and a
// vector of them is one contiguous run of triples.
#pragma once

#include <array>

using ZaPoint = std::array<double, 3>;

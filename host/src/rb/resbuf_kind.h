// How a result buffer holds its value, by its type or DXF group code.
#pragma once

#include "arx/adsdef.h"

namespace zcad {

enum class RbValue { None, Real, Point, Short, Long, Int64, String, EName };

RbValue rbValueOf(int restype);

}  // namespace zcad

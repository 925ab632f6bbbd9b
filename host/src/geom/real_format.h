// Reals as the host writes them in its linear unit modes. Rounding is half
// away from zero on the shortest decimal form of the value, so 2.675 at two
// places gives 2.68 as the user who typed it expects.
#pragma once

#include <string>

namespace zcad::geom {

enum class LinearUnit { Scientific = 1, Decimal = 2, Engineering = 3, Architectural = 4, Fractional = 5 };

constexpr int kMaxPrecision = 8;

// Writes `value` in `unit` with `precision` (0 to 8: decimal places, or the
// power of two of the smallest fraction). False for a non-finite value, an
// unknown unit or precision, or a value too large for feet and inches.
bool formatReal(double value, LinearUnit unit, int precision, std::string& out);

}  // namespace zcad::geom

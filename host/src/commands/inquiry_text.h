// How the inquiry commands print what they find: lengths in the drawing's
// linear units and precision ($LUNITS, $LUPREC), angles in degrees at
// $AUPREC places, one fact a line.
#pragma once

#include <string>
#include <string_view>

#include "geom/vec3.h"

namespace zcad::commands {

std::string linearText(double value);
// Degrees, counter-clockwise from the X axis, 0 up to 360.
std::string angleText(double radians);
// "X = 1.0000  Y = 2.0000  Z = 0.0000"
std::string pointText(const geom::Vec3& p);
// "256 (BYLAYER)", "1 (red)", "30"
std::string colourText(long colour);
// A line "name = value".
void printFact(std::string_view name, std::string_view value);

}  // namespace zcad::commands

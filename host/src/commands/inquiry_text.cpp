#include "inquiry_text.h"

#include <cmath>

#include "arx/acedads.h"
#include "geom/drawing_vars.h"
#include "geom/real_format.h"
#include "host_command.h"
#include "zcad/database.h"

namespace zcad::commands {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDefaultAnglePlaces = 0;

}  // namespace

std::string linearText(double value) {
    char text[128];
    if (acdbRToS(value, -1, -1, text, sizeof text) != RTNORM) return std::to_string(value);
    return text;
}

std::string angleText(double radians) {
    double degrees = std::fmod(radians * 180.0 / kPi, 360.0);
    if (degrees < 0) degrees += 360.0;
    int places = geom::headerInt(currentDatabase(), "$AUPREC", 70, kDefaultAnglePlaces);
    if (places < 0 || places > geom::kMaxPrecision) places = kDefaultAnglePlaces;
    std::string text;
    std::string fullTurn;
    if (!geom::formatReal(degrees, geom::LinearUnit::Decimal, places, text)) return "0";
    // 359.9999 rounded to a full turn is the direction 0.
    geom::formatReal(360.0, geom::LinearUnit::Decimal, places, fullTurn);
    if (text == fullTurn) geom::formatReal(0.0, geom::LinearUnit::Decimal, places, text);
    return text;
}

std::string pointText(const geom::Vec3& p) {
    return "X = " + linearText(p.x) + "  Y = " + linearText(p.y) + "  Z = " + linearText(p.z);
}

std::string colourText(long colour) {
    static const char* const kNames[] = {"BYBLOCK", "red", "yellow", "green", "cyan", "blue", "magenta", "white"};
    if (colour == 256) return "256 (BYLAYER)";
    if (colour >= 0 && colour <= 7) return std::to_string(colour) + " (" + kNames[colour] + ")";
    return std::to_string(colour);
}

void printFact(std::string_view name, std::string_view value) {
    printMessage(std::string(name) + " = " + std::string(value));
}

}  // namespace zcad::commands

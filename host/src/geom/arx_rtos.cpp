// acdbRToS: a real in the drawing's or the caller's linear units.
#include <cstring>
#include <string>

#include "arx/acedads.h"
#include "drawing_vars.h"
#include "real_format.h"

namespace {

constexpr int kDefaultUnits = 2;
constexpr int kDefaultPrecision = 4;

bool knownUnit(int unit) { return unit >= 1 && unit <= 5; }

}  // namespace

int acdbRToS(ads_real value, int unit, int precision, ACHAR* result, std::size_t size) {
    if (!result || size == 0) return RTERROR;
    result[0] = '\0';
    const zcad::Database& db = zcad::currentDatabase();
    if (unit == -1) {
        // A drawing with a value out of range still formats, in the default.
        unit = zcad::geom::headerInt(db, "$LUNITS", 70, kDefaultUnits);
        if (!knownUnit(unit)) unit = kDefaultUnits;
    }
    if (precision == -1) {
        precision = zcad::geom::headerInt(db, "$LUPREC", 70, kDefaultPrecision);
        if (precision < 0 || precision > zcad::geom::kMaxPrecision) precision = kDefaultPrecision;
    }
    if (!knownUnit(unit)) return RTERROR;
    std::string text;
    if (!zcad::geom::formatReal(value, static_cast<zcad::geom::LinearUnit>(unit), precision, text)) return RTERROR;
    if (text.size() >= size) return RTERROR;
    std::memcpy(result, text.c_str(), text.size() + 1);
    return RTNORM;
}

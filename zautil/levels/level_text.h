// A level as the drawing writes it in a TEXT and reads it back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/point.h"

// The level a text states: after leading white space it must start with a
// digit (a sign, a point or a letter first is no level); the number is the
// longest prefix of digits, one point and an exponent, and what follows it
// is ignored. A number too large for a double is no level either.
std::optional<double> zaLevelOfText(std::string_view text);

// The level with exactly `precision` decimals (at most 16), written over
// `out`. A level that rounds to zero has no minus sign.
void zaFormatLevel(double level, int precision, std::string& out);

// How a level tool tells of each entity it made: the texts between the
// count, the point's x, y and level, and the layer, and the width of each
// real (three decimals).
struct ZaMadeLineForm {
    const char* beforeX;
    const char* beforeY;
    const char* beforeLevel;
    const char* beforeLayer;
    int width;
};

// "Create " count, the form's texts and numbers, the layer in quotes and
// " \n", over `line`: printf's formatting of reals is the slowest part of
// a line written per entity by the million.
void zaFormatMadeLine(const ZaMadeLineForm& form, int count, const ZaPoint& point, std::string_view layer,
                      std::string& line);

// A level as the drawing writes it in a TEXT and reads it back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The level a text states: after leading white space it must start with a
// digit (a sign, a point or a letter first is no level); the number is the
// longest prefix of digits, one point and an exponent, and what follows it
// is ignored. A number too large for a double is no level either.
std::optional<double> zaLevelOfText(std::string_view text);

// The level with exactly `precision` decimals (at most 16), written over
// `out`. A level that rounds to zero has no minus sign.
void zaFormatLevel(double level, int precision, std::string& out);

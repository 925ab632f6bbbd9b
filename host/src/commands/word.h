// The words a host command reads: what a caller passes to acedCommandS, or
// a line typed at a prompt (always text).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "arx/adsdef.h"
#include "geom/vec3.h"

namespace zcad::commands {

using Point3 = geom::Vec3;

struct Word {
    enum class Kind { Text, Real, Integer, Point, Entity, Set };

    Kind kind = Kind::Text;
    std::string text;
    double number = 0;  // Real and Integer
    Point3 point;
    ads_name name = {0, 0};  // Entity and Set

    static Word ofText(std::string_view text);
    static Word ofReal(double value);
    static Word ofInteger(long value);
    static Word ofPoint(const double* xyz, bool threeD);
    static Word ofName(Kind kind, const ads_name name);

    bool isEmpty() const { return kind == Kind::Text && text.empty(); }
};

// A real as a word gives it: numbers as they are, text when the whole of it
// (blanks aside) reads as a number.
std::optional<double> realOf(const Word& word);
// Whole numbers only.
std::optional<long> integerOf(const Word& word);
// "x,y" or "x,y,z" with blanks around the numbers, as "%13.3f,%13.3f"
// gives; "@dx,dy[,dz]" is relative to `last`.
std::optional<Point3> pointOf(const Word& word, const Point3& last = {});

}  // namespace zcad::commands

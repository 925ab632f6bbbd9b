#include "word.h"

#include <cmath>

#include "text/number_text.h"
#include "zcad/text.h"

namespace zcad::commands {

Word Word::ofText(std::string_view text) {
    Word w;
    w.text = std::string(text);
    return w;
}

Word Word::ofReal(double value) {
    Word w;
    w.kind = Kind::Real;
    w.number = value;
    return w;
}

Word Word::ofInteger(long value) {
    Word w;
    w.kind = Kind::Integer;
    w.number = static_cast<double>(value);
    return w;
}

Word Word::ofPoint(const double* xyz, bool threeD) {
    Word w;
    w.kind = Kind::Point;
    w.point = {xyz[0], xyz[1], threeD ? xyz[2] : 0.0};
    return w;
}

Word Word::ofName(Kind kind, const ads_name name) {
    Word w;
    w.kind = kind;
    ads_name_set(name, w.name);
    return w;
}

std::optional<double> realOf(const Word& word) {
    if (word.kind == Word::Kind::Real || word.kind == Word::Kind::Integer) return word.number;
    double value = 0;
    if (word.kind != Word::Kind::Text || !parseReal(word.text, value)) return std::nullopt;
    return value;
}

std::optional<long> integerOf(const Word& word) {
    const auto value = realOf(word);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 2147483647.0) return std::nullopt;
    return static_cast<long>(*value);
}

std::optional<Point3> pointOf(const Word& word, const Point3& last) {
    if (word.kind == Word::Kind::Point) return word.point;
    if (word.kind != Word::Kind::Text) return std::nullopt;
    std::string_view text = trimmed(word.text);
    const bool relative = !text.empty() && text.front() == '@';
    if (relative) text.remove_prefix(1);
    if (relative && trimmed(text).empty()) return last;
    double xyz[3];
    if (!parsePoint(text, xyz)) return std::nullopt;
    const Point3 point{xyz[0], xyz[1], xyz[2]};
    return relative ? last + point : point;
}

}  // namespace zcad::commands

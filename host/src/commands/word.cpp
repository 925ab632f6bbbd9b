#include "word.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

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

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (auto& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

namespace {

std::optional<double> parseReal(std::string_view text) {
    const std::string s(trimmed(text));
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::vector<std::string_view> splitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

}  // namespace

std::optional<double> realOf(const Word& word) {
    if (word.kind == Word::Kind::Real || word.kind == Word::Kind::Integer) return word.number;
    if (word.kind != Word::Kind::Text) return std::nullopt;
    return parseReal(word.text);
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
    const auto parts = splitCommas(text);
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    double xyz[3] = {0, 0, 0};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto value = parseReal(parts[i]);
        if (!value) return std::nullopt;
        xyz[i] = *value;
    }
    if (!relative) return Point3{xyz[0], xyz[1], xyz[2]};
    return Point3{last.x + xyz[0], last.y + xyz[1], last.z + xyz[2]};
}

}  // namespace zcad::commands

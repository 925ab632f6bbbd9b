#include "levels/level_text.h"

#include <algorithm>
#include <cmath>

#include "files/c_numbers.h"
#include "files/text_rules.h"

std::optional<double> zaLevelOfText(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), zafiles::isCSpace);
    if (first == text.end() || *first < '0' || *first > '9') return std::nullopt;
    std::string_view number = text.substr(static_cast<std::size_t>(first - text.begin()));
    const auto level = zafiles::takeCReal(number);
    if (!level || !std::isfinite(*level)) return std::nullopt;
    return level;
}

void zaFormatLevel(double level, int precision, std::string& out) {
    out.clear();
    zafiles::appendFixed(out, level, 0, std::max(precision, 0));
    // "-0.000" would read back as no level at all.
    if (!out.empty() && out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
}

void zaFormatMadeLine(const ZaMadeLineForm& form, int count, const ZaPoint& point, std::string_view layer,
                      std::string& line) {
    line.assign("Create ");
    zafiles::appendInt(line, count, 0);
    line += form.beforeX;
    zafiles::appendFixed(line, point.x, form.width, 3);
    line += form.beforeY;
    zafiles::appendFixed(line, point.y, form.width, 3);
    line += form.beforeLevel;
    zafiles::appendFixed(line, point.z, form.width, 3);
    line += form.beforeLayer;
    line += layer;
    line += "\" \n";
}

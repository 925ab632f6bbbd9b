// Texts, circles and arcs of a plot file.
#include <array>
#include <cmath>
#include <numbers>

#include "arx/acedads.h"
#include "plot/plot_reader.h"
#include "shell/text_create.h"
#include "geometry/host_point.h"

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kLineSpacing = 1.5;  // times the height

bool finite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// A code the text builder does not know would lose the text; it is drawn
// from its insertion point instead.
int justification(std::int32_t code) {
    constexpr std::array<std::int32_t, 9> kKnown = {0, 1, 2, 10, 11, 12, 20, 21, 22};
    for (const std::int32_t known : kKnown) {
        if (code == known) return code;
    }
    return 0;
}

// The suite marks a degree sign with 127; the host spells it %%d.
const std::string& spellDegrees(std::string_view text, std::string& spelt) {
    spelt.clear();
    for (const char c : text) {
        if (c == '\x7f') {
            spelt += "%%d";
            continue;
        }
        spelt += c;
    }
    return spelt;
}

}  // namespace

// The text lines follow the record and belong to it even when the record's
// numbers are unusable, so they are always read.
bool ZaPlotReader::text(const ZaPlotLine& line, ZaPlotLines& lines) {
    const std::int32_t count = line.count;
    const int mode = justification(line.code);
    const double x = line.x;
    const double y = line.y;
    const double height = line.z;
    const double angle = line.angle;
    const bool usable = finite({x, y, height, angle});
    if (usable) {
        extents_.take(x, y);
        table_.markUsedByText();
    } else {
        ++skipped_;
    }
    ZaPoint at = {x, y, 0.0};
    const double down = (angle + 270.0) * kRadiansPerDegree;
    for (std::int32_t i = 0; i < count; ++i) {
        const ZaPlotLine* textLine = lines.next();
        if (!textLine) return false;
        ++lines_;
        if (!usable) continue;
        ZaTextRecord record;
        record.text = spellDegrees(lines.text(*textLine), textLine_).c_str();
        record.point = at;
        record.height = height;
        record.rotation = angle;
        record.layer = table_.textLayer().c_str();
        record.mode = mode;
        record.style = table_.textStyle().c_str();
        if (!texts_.make(record) && refused()) {
            acutPrintf("\nCould not make text \"%s\" on layer '%s' at line %lld\n", record.text, record.layer,
                       static_cast<long long>(lines_));
        }
        zageometry::HostPoint next;
        acutPolar(zageometry::HostPoint(at), down, kLineSpacing * height, next.xyz);
        at = next.point();
    }
    return true;
}

void ZaPlotReader::circle(const ZaPlotLine& line) {
    const double x = line.x;
    const double y = line.y;
    const double radius = line.z;
    if (!finite({x, y, radius})) {
        ++skipped_;
        return;
    }
    shapes_.circle({x, y, 0.0}, radius, table_.lineLayer());
    extents_.take(x, y);
    table_.markUsedByLines();
}

void ZaPlotReader::arc(const ZaPlotLine& line) {
    const double x = line.x;
    const double y = line.y;
    const double radius = line.z;
    const double start = line.angle;
    const double end = line.endAngle;
    if (!finite({x, y, radius, start, end})) {
        ++skipped_;
        return;
    }
    shapes_.arc({x, y, 0.0}, radius, start, end, table_.lineLayer());
    extents_.take(x, y);
    table_.markUsedByLines();
}

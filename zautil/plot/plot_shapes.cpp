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
bool ZaPlotReader::text(std::string_view line, zafiles::LineReader& lines) {
    const std::int32_t count = layout_->integer(line, ZaPlotField::LineCount);
    const int mode = justification(layout_->integer(line, ZaPlotField::Code));
    const double x = layout_->real(line, ZaPlotField::X);
    const double y = layout_->real(line, ZaPlotField::Y);
    const double height = layout_->real(line, ZaPlotField::Z);
    const double angle = layout_->real(line, ZaPlotField::Angle);
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
        const auto textLine = lines.next();
        if (!textLine) return false;
        ++lines_;
        if (!usable) continue;
        ZaTextRecord record;
        record.text = spellDegrees(*textLine, textLine_).c_str();
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

void ZaPlotReader::circle(std::string_view line) {
    const double x = layout_->real(line, ZaPlotField::X);
    const double y = layout_->real(line, ZaPlotField::Y);
    const double radius = layout_->real(line, ZaPlotField::Z);
    if (!finite({x, y, radius})) {
        ++skipped_;
        return;
    }
    shapes_.circle({x, y, 0.0}, radius, table_.lineLayer());
    extents_.take(x, y);
    table_.markUsedByLines();
}

void ZaPlotReader::arc(std::string_view line) {
    const double x = layout_->real(line, ZaPlotField::X);
    const double y = layout_->real(line, ZaPlotField::Y);
    const double radius = layout_->real(line, ZaPlotField::Z);
    const double start = layout_->real(line, ZaPlotField::Angle);
    const double end = layout_->real(line, ZaPlotField::EndAngle);
    if (!finite({x, y, radius, start, end})) {
        ++skipped_;
        return;
    }
    shapes_.arc({x, y, 0.0}, radius, start, end, table_.lineLayer());
    extents_.take(x, y);
    table_.markUsedByLines();
}

#include "plot/plot_writer.h"

#include <array>
#include <charconv>

#include "plot/plot_layout.h"
#include "plot/plot_record_type.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEndOfPlot = "00";
constexpr std::size_t kJustificationColumn = 3;

const ZaPlotColumns& wide(ZaPlotField field) { return kZaWidePlotLayout.fields[static_cast<std::size_t>(field)]; }

void put(ZaFixedLine& line, ZaPlotField field, double value) {
    const ZaPlotColumns& at = wide(field);
    zaPutPlotReal(line, at.start, at.width, value);
}

void put(ZaFixedLine& line, ZaPlotField field, std::int32_t value) {
    const ZaPlotColumns& at = wide(field);
    line.putInt(at.start, at.width, value);
}

}  // namespace

void zaPutPlotReal(ZaFixedLine& line, std::size_t column, std::size_t width, double value) {
    const std::string text = zaGeneralReal(value);
    if (text.size() <= width) {
        line.putString(column + width - text.size(), text.size(), text);
        return;
    }
    std::array<char, 40> digits{};
    for (int precision = 8; precision > 0; --precision) {
        const auto result =
            std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general, precision);
        const auto size = static_cast<std::size_t>(result.ptr - digits.data());
        if (size > width) continue;
        line.putString(column + width - size, size, std::string_view(digits.data(), size));
        return;
    }
    line.putReal(column, width, value);
}

bool ZaPlotWriter::open(const std::string& path) {
    if (!file_.open(path)) return false;
    header(kZaPlotWide);
    for (const std::int32_t type : {kZaPlotPen, kZaPlotLineType, kZaPlotLayerCode}) header(type);
    return true;
}

void ZaPlotWriter::header(std::int32_t type) {
    header_.clear();
    put(header_, ZaPlotField::Type, type);
    // Records 3, 4 and 5 of the header carry code 0; record 12 none.
    if (type != kZaPlotWide) put(header_, ZaPlotField::Code, std::int32_t{0});
    end(header_);
}

ZaFixedLine& ZaPlotWriter::start(std::int32_t type) {
    line_.clear();
    put(line_, ZaPlotField::Type, type);
    return line_;
}

void ZaPlotWriter::end(const ZaFixedLine& line) {
    file_.append(line.text());
    file_.append(kLineEnd);
}

void ZaPlotWriter::codes(std::int32_t pen, std::int32_t lineType, std::int32_t layerCode) {
    const std::array<std::pair<std::int32_t, std::int32_t>, 3> records = {
        {{kZaPlotPen, pen}, {kZaPlotLineType, lineType}, {kZaPlotLayerCode, layerCode}}};
    for (const auto& [type, code] : records) {
        put(start(type), ZaPlotField::Code, code);
        end(line_);
    }
}

void ZaPlotWriter::point(std::int32_t type, double x, double y) {
    ZaFixedLine& line = start(type);
    put(line, ZaPlotField::X, x);
    put(line, ZaPlotField::Y, y);
    end(line);
}

void ZaPlotWriter::circle(double x, double y, double radius) {
    ZaFixedLine& line = start(kZaPlotCircle);
    put(line, ZaPlotField::X, x);
    put(line, ZaPlotField::Y, y);
    put(line, ZaPlotField::Z, radius);
    end(line);
}

void ZaPlotWriter::arc(double x, double y, double radius, double startRadians, double endRadians) {
    ZaFixedLine& line = start(kZaPlotArc);
    put(line, ZaPlotField::X, x);
    put(line, ZaPlotField::Y, y);
    put(line, ZaPlotField::Z, radius);
    put(line, ZaPlotField::Angle, startRadians);
    put(line, ZaPlotField::EndAngle, endRadians);
    end(line);
}

void ZaPlotWriter::text(int justification, double x, double y, double height, double degrees,
                        std::string_view text) {
    ZaFixedLine& line = start(kZaPlotText);
    // Two digits always: "01" is the suite's spelling of middle left.
    const std::array<char, 2> code = {static_cast<char>('0' + justification / 10 % 10),
                                      static_cast<char>('0' + justification % 10)};
    line.putString(kJustificationColumn, code.size(), std::string_view(code.data(), code.size()));
    put(line, ZaPlotField::X, x);
    put(line, ZaPlotField::Y, y);
    put(line, ZaPlotField::Z, height);
    put(line, ZaPlotField::Angle, degrees);
    put(line, ZaPlotField::LineCount, std::int32_t{1});
    end(line);
    file_.append(text);
    file_.append(kLineEnd);
}

bool ZaPlotWriter::finish() {
    file_.append(kEndOfPlot);
    return file_.close();
}

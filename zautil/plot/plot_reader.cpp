#include "plot/plot_reader.h"

#include <cmath>
#include <new>

#include "arx/acedads.h"

namespace {

// Runs of draws are the bulk of a plot file; a run of this many points
// costs no allocation at all.
constexpr std::size_t kRunStartRoom = 1000;

bool placesAPoint(std::int32_t type) {
    return type == kZaPlotMove || type == kZaPlotDraw || type == kZaPlotText || type == kZaPlotCircle ||
           type == kZaPlotArc;
}

}  // namespace

bool zaIsModelPlotFile(std::string_view path) {
    if (path.size() <= 3) return false;
    const std::size_t dot = path.size() - 4;
    return path[dot] == '.' && (path[dot + 1] == 'm' || path[dot + 1] == 'M');
}

ZaPlotReader::ZaPlotReader(ZaPlotLayerTable& table, bool modelFile) : table_(table), modelFile_(modelFile) {
    run_.reserve(kRunStartRoom);
}

bool ZaPlotReader::holdsPlace(std::string_view line) const {
    return layout_->holdsNumber(line, ZaPlotField::X) && layout_->holdsNumber(line, ZaPlotField::Y);
}

void ZaPlotReader::read(zafiles::LineReader& lines, zaimport::ImportProgress& progress) {
    while (const auto line = lines.next()) {
        progress.at(++lines_);
        if (zaimport::userBrokeOff("plot file")) {
            broken_ = true;
            break;
        }
        // A line without a record type is no record, not the end of the
        // file; a point record without its x and y would draw at 0,0.
        const std::int32_t type = layout_->integer(*line, ZaPlotField::Type);
        if (!layout_->holdsDigits(*line, ZaPlotField::Type) || (placesAPoint(type) && !holdsPlace(*line))) {
            ++unreadable_;
            continue;
        }
        ++records_;
        if (type == kZaPlotDraw) {
            draw(*line);
            continue;
        }
        endRun();
        if (!dispatch(type, *line, lines)) break;
    }
    endRun();
}

bool ZaPlotReader::dispatch(std::int32_t type, std::string_view line, zafiles::LineReader& lines) {
    switch (type) {
    case kZaPlotEnd:
        return false;
    case kZaPlotMove:
        move(line);
        return true;
    case kZaPlotPen:
        selectByCode(&ZaPlotLayerTable::setPen, line);
        return true;
    case kZaPlotLineType:
        selectByCode(&ZaPlotLayerTable::setLineType, line);
        return true;
    case kZaPlotLayerCode:
        selectByCode(&ZaPlotLayerTable::setLayerCode, line);
        return true;
    case kZaPlotText:
        return text(line, lines);
    case kZaPlotCircle:
        circle(line);
        return true;
    case kZaPlotArc:
        arc(line);
        return true;
    case kZaPlotWide:
        switchToWide();
        return true;
    default:
        --records_;
        ++unreadable_;
        return true;
    }
}

void ZaPlotReader::selectByCode(void (ZaPlotLayerTable::*set)(std::int32_t), std::string_view line) {
    (table_.*set)(layout_->integer(line, ZaPlotField::Code));
    table_.findByCodes();
}

void ZaPlotReader::switchToWide() {
    layout_ = &kZaWidePlotLayout;
    if (modelFile_) threeD_ = true;
}

bool ZaPlotReader::point(std::string_view line, ZaPoint& at) const {
    at = {layout_->real(line, ZaPlotField::X), layout_->real(line, ZaPlotField::Y),
          threeD_ ? layout_->real(line, ZaPlotField::Z) : 0.0};
    return std::isfinite(at[0]) && std::isfinite(at[1]) && std::isfinite(at[2]);
}

void ZaPlotReader::move(std::string_view line) {
    ZaPoint at;
    if (!point(line, at)) {
        ++skipped_;
        return;
    }
    current_ = at;
    extents_.take(at[0], at[1]);
}

// A draw joins the run that starts at the last move point; the run becomes
// a line or a polyline at the first record that is not a draw.
void ZaPlotReader::draw(std::string_view line) {
    ZaPoint at;
    if (!point(line, at)) {
        ++skipped_;
        return;
    }
    extents_.take(at[0], at[1]);
    table_.markUsedByLines();
    if (run_.empty()) {
        run_.push_back(current_);
        runLayer_ = table_.lineLayer();
    }
    run_.push_back(at);
}

void ZaPlotReader::endRun() {
    // A line the host refuses is passed over, as every command passes them.
    if (run_.size() == 2) shapes_.line(run_[0], run_[1], runLayer_);
    const bool made = run_.size() < 3 || shapes_.polyline(run_, runLayer_, threeD_);
    if (!made && refused()) {
        acutPrintf("\nCould not make a polyline of %d vertices on layer '%s' at line %lld\n",
                   static_cast<int>(run_.size()), runLayer_.c_str(), static_cast<long long>(lines_));
    }
    run_.clear();
    runTruncated_ = false;
}


#include "plot/plot_reader.h"

#include <cmath>
#include <new>

#include "arx/acedads.h"

namespace {

// Runs of draws are the bulk of a plot file; a run of this many points
// costs no allocation at all.
constexpr std::size_t kRunStartRoom = 1000;

}  // namespace

bool zaIsModelPlotFile(std::string_view path) {
    if (path.size() <= 3) return false;
    const std::size_t dot = path.size() - 4;
    return path[dot] == '.' && (path[dot + 1] == 'm' || path[dot + 1] == 'M');
}

ZaPlotReader::ZaPlotReader(ZaPlotLayerTable& table, bool modelFile) : table_(table), modelFile_(modelFile) {
    run_.reserve(kRunStartRoom);
}

void ZaPlotReader::read(zafiles::LineReader& lines, zaimport::ImportProgress& progress, bool ahead) {
    ZaPlotLines plotLines(lines, modelFile_, ahead);
    while (const ZaPlotLine* line = plotLines.next()) {
        progress.at(++lines_);
        if (zaimport::userBrokeOff("plot file")) {
            broken_ = true;
            break;
        }
        if (line->kind != ZaPlotLineKind::Record) {
            ++unreadable_;
            continue;
        }
        ++records_;
        if (line->type == kZaPlotDraw) {
            draw(*line);
            continue;
        }
        endRun();
        if (!dispatch(*line, plotLines)) break;
    }
    plotLines.stop();
    endRun();
}

bool ZaPlotReader::dispatch(const ZaPlotLine& line, ZaPlotLines& lines) {
    switch (line.type) {
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

void ZaPlotReader::selectByCode(void (ZaPlotLayerTable::*set)(std::int32_t), const ZaPlotLine& line) {
    (table_.*set)(line.code);
    table_.findByCodes();
}

void ZaPlotReader::switchToWide() {
    if (modelFile_) threeD_ = true;
}

bool ZaPlotReader::point(const ZaPlotLine& line, ZaPoint& at) {
    at = {line.x, line.y, line.z};
    return std::isfinite(at[0]) && std::isfinite(at[1]) && std::isfinite(at[2]);
}

void ZaPlotReader::move(const ZaPlotLine& line) {
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
void ZaPlotReader::draw(const ZaPlotLine& line) {
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


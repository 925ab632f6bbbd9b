// Draws the records of one plot file: moves and draws become lines and
// polylines, texts, circles and arcs their entities, each on the layer the
// plot layer table gives for the codes in force.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/line_reader.h"
#include "import/import_extents.h"
#include "import/import_progress.h"
#include "layers/plot_layer_table.h"
#include "plot/plot_lines.h"
#include "plot/plot_record_type.h"
#include "shell/entity_maker.h"
#include "shell/text_maker.h"

// A line at growing intervals; only a slow report raises the limit.
inline constexpr zaimport::ProgressStyle kZaPlotProgress{"\rAt line %lld\n", zaimport::Pacing::RaiseLimitWhenSlow};

// Does the name say 3D (".m" and two more characters)? Only then does the
// wide layout carry z for moves and draws.
bool zaIsModelPlotFile(std::string_view path);

class ZaPlotReader {
public:
    // The table must be loaded; the reader starts in the narrow layout.
    ZaPlotReader(ZaPlotLayerTable& table, bool modelFile);

    // Until record 0, the end of the file, or a user break; with ahead the
    // lines are read on a second thread while the records are drawn.
    void read(zafiles::LineReader& lines, zaimport::ImportProgress& progress, bool ahead = false);

    std::int64_t linesRead() const { return lines_; }
    const zaimport::ImportExtents& extents() const { return extents_; }
    bool threeD() const { return threeD_; }
    bool broken() const { return broken_; }
    // Records passed over for numbers that are not finite.
    std::int64_t skippedRecords() const { return skipped_; }
    // Records of a type the reader knows, the end record too, and lines
    // that are no such record.
    std::int64_t records() const { return records_; }
    std::int64_t unreadableRecords() const { return unreadable_; }
    // Polylines and texts the host refused.
    std::int64_t refusedEntities() const { return refused_; }

private:
    // False when reading is to stop.
    bool dispatch(const ZaPlotLine& line, ZaPlotLines& lines);
    // A pen, line type or layer code, and the row the codes now select.
    void selectByCode(void (ZaPlotLayerTable::*set)(std::int32_t), const ZaPlotLine& line);
    void move(const ZaPlotLine& line);
    void draw(const ZaPlotLine& line);
    void endRun();
    bool text(const ZaPlotLine& line, ZaPlotLines& lines);
    void circle(const ZaPlotLine& line);
    void arc(const ZaPlotLine& line);
    void switchToWide();
    // x, y and, in 3D files, z of a move or draw; false when not finite.
    static bool point(const ZaPlotLine& line, ZaPoint& at);
    // Counts a refusal; true while it is still among the few reported.
    bool refused() { return ++refused_ <= kRefusalsShown; }

    // Enough to see what went wrong without burying the summary.
    static constexpr std::int64_t kRefusalsShown = 10;

    ZaPlotLayerTable& table_;
    ZaEntityMaker shapes_;
    ZaTextMaker texts_;
    bool modelFile_;
    bool threeD_ = false;
    bool broken_ = false;
    ZaPoint current_{};
    zaimport::ImportExtents extents_;
    std::vector<ZaPoint> run_;  // the last move point, then the draws
    bool runTruncated_ = false;
    std::string runLayer_;
    std::string textLine_;
    std::int64_t lines_ = 0;
    std::int64_t skipped_ = 0;
    std::int64_t records_ = 0;
    std::int64_t unreadable_ = 0;
    std::int64_t refused_ = 0;
};

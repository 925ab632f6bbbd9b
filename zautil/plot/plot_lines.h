// The lines of a plot file as the drawing side takes them: each record's
// numbers already read in the layout then in force, a text's lines kept as
// they stand. Reading them needs nothing of the drawing, so it can run
// ahead on a second thread while the records are drawn.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/decode_ahead.h"
#include "files/line_reader.h"
#include "plot/plot_layout.h"

enum class ZaPlotLineKind : std::uint8_t {
    Unreadable,  // no record type, or a point record without its x and y
    Record,
    TextLine,  // one of the lines a text record says follow it
};

struct ZaPlotLine {
    ZaPlotLineKind kind = ZaPlotLineKind::Unreadable;
    std::int32_t type = 0;
    std::int32_t code = 0;   // pen, line type, layer code or justification
    std::int32_t count = 0;  // a text's lines
    double x = 0;
    double y = 0;
    double z = 0;  // z of 3D moves and draws, radius, text height
    double angle = 0;
    double endAngle = 0;
    std::uint32_t textStart = 0;  // a text line's characters in its batch
    std::uint32_t textSize = 0;
};

struct ZaPlotLineBatch {
    std::vector<ZaPlotLine> lines;
    std::string texts;
};

// Turns lines into plot lines, following the layout switch and the text
// lines that follow a text record, as the drawing side reads them.
class ZaPlotLineDecoder {
public:
    static constexpr std::size_t kBatchLines = 4096;

    ZaPlotLineDecoder(zafiles::LineReader& lines, bool modelFile) : lines_(lines), modelFile_(modelFile) {}

    // Empties the batch and fills it; false at the end of the file or after
    // record 0, which ends reading.
    bool fill(ZaPlotLineBatch& batch);

private:
    // False when reading ends with this record.
    bool decodeRecord(std::string_view text, ZaPlotLine& line);

    zafiles::LineReader& lines_;
    const ZaPlotLayout* layout_ = &kZaNarrowPlotLayout;
    bool modelFile_;
    bool threeD_ = false;
    std::int64_t textLinesDue_ = 0;
};

// The plot lines in file order, read ahead on a second thread when asked.
class ZaPlotLines {
public:
    ZaPlotLines(zafiles::LineReader& lines, bool modelFile, bool ahead);

    // The next line, valid until the next call; null at the end.
    const ZaPlotLine* next();
    std::string_view text(const ZaPlotLine& line) const {
        return std::string_view(batch_->texts).substr(line.textStart, line.textSize);
    }
    // Nothing more is wanted.
    void stop() { batches_.stop(); }

private:
    ZaPlotLineDecoder decoder_;
    zafiles::DecodeAhead<ZaPlotLineBatch> batches_;
    const ZaPlotLineBatch* batch_ = nullptr;
    std::size_t at_ = 0;
};

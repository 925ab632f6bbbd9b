#include "plot/plot_lines.h"

#include <algorithm>

#include "plot/plot_record_type.h"

namespace {

bool placesAPoint(std::int32_t type) {
    return type == kZaPlotMove || type == kZaPlotDraw || type == kZaPlotText || type == kZaPlotCircle ||
           type == kZaPlotArc;
}

}  // namespace

bool ZaPlotLineDecoder::fill(ZaPlotLineBatch& batch) {
    batch.lines.clear();
    batch.texts.clear();
    batch.lines.reserve(kBatchLines);
    while (batch.lines.size() < kBatchLines) {
        const auto text = lines_.next();
        if (!text) return false;
        ZaPlotLine& line = batch.lines.emplace_back();
        if (textLinesDue_ > 0) {
            --textLinesDue_;
            line.kind = ZaPlotLineKind::TextLine;
            line.textStart = static_cast<std::uint32_t>(batch.texts.size());
            line.textSize = static_cast<std::uint32_t>(text->size());
            batch.texts.append(*text);
            continue;
        }
        if (!decodeRecord(*text, line)) return false;
    }
    return true;
}

bool ZaPlotLineDecoder::decodeRecord(std::string_view text, ZaPlotLine& line) {
    const ZaPlotLayout& layout = *layout_;
    line.type = layout.integer(text, ZaPlotField::Type);
    // A line without a record type is no record, not the end of the file; a
    // point record without its x and y would draw at 0,0.
    if (!layout.holdsDigits(text, ZaPlotField::Type)) return true;
    if (placesAPoint(line.type) &&
        !(layout.holdsNumber(text, ZaPlotField::X) && layout.holdsNumber(text, ZaPlotField::Y))) {
        return true;
    }
    line.kind = ZaPlotLineKind::Record;
    switch (line.type) {
    case kZaPlotEnd:
        return false;
    case kZaPlotMove:
    case kZaPlotDraw:
        line.x = layout.real(text, ZaPlotField::X);
        line.y = layout.real(text, ZaPlotField::Y);
        line.z = threeD_ ? layout.real(text, ZaPlotField::Z) : 0.0;
        break;
    case kZaPlotPen:
    case kZaPlotLineType:
    case kZaPlotLayerCode:
        line.code = layout.integer(text, ZaPlotField::Code);
        break;
    case kZaPlotText:
        line.count = layout.integer(text, ZaPlotField::LineCount);
        line.code = layout.integer(text, ZaPlotField::Code);
        line.x = layout.real(text, ZaPlotField::X);
        line.y = layout.real(text, ZaPlotField::Y);
        line.z = layout.real(text, ZaPlotField::Z);
        line.angle = layout.real(text, ZaPlotField::Angle);
        // The lines that follow belong to the text even when its numbers
        // are unusable.
        textLinesDue_ = std::max(line.count, 0);
        break;
    case kZaPlotArc:
        line.angle = layout.real(text, ZaPlotField::Angle);
        line.endAngle = layout.real(text, ZaPlotField::EndAngle);
        [[fallthrough]];
    case kZaPlotCircle:
        line.x = layout.real(text, ZaPlotField::X);
        line.y = layout.real(text, ZaPlotField::Y);
        line.z = layout.real(text, ZaPlotField::Z);
        break;
    case kZaPlotWide:
        layout_ = &kZaWidePlotLayout;
        if (modelFile_) threeD_ = true;
        break;
    default:
        break;
    }
    return true;
}

ZaPlotLines::ZaPlotLines(zafiles::LineReader& lines, bool modelFile, bool ahead)
    : decoder_(lines, modelFile), batches_([this](ZaPlotLineBatch& batch) { return decoder_.fill(batch); }, ahead) {}

const ZaPlotLine* ZaPlotLines::next() {
    while (!batch_ || at_ == batch_->lines.size()) {
        batch_ = batches_.next();
        at_ = 0;
        if (!batch_) return nullptr;
    }
    return &batch_->lines[at_++];
}

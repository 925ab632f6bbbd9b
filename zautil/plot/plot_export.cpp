#include "plot/plot_export.h"

#include <numbers>

#include "arx/acedads.h"
#include "drawing/entity_list.h"
#include "import/import_progress.h"
#include "plot/plot_text_code.h"

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kOrigin[3] = {0, 0, 0};
// A vertex flagged as a polyface mesh's face, or a spline's frame control
// point, has no place on the line the polyline draws.
constexpr int kSplineFrame = 16;
constexpr int kMeshVertex = 64;
constexpr int kFaceRecord = 128;
// The widest codes the three columns of a pen, line type or layer record hold.
constexpr std::int32_t kWidestCode = 999;
constexpr std::int32_t kNarrowestCode = -99;
// Enough to see which texts were cut without burying the summary.
constexpr std::int64_t kCutTextsShown = 10;

constexpr zaimport::ProgressStyle kExportProgress{"\rAt entity %lld\n", zaimport::Pacing::RaiseLimitWhenSlow};

const double* orOrigin(const double* point) { return point ? point : kOrigin; }

bool onTheLine(int vertexFlags) {
    if (vertexFlags & kSplineFrame) return false;
    return !(vertexFlags & kFaceRecord) || (vertexFlags & kMeshVertex);
}

bool fitsCode(std::int32_t code) { return code >= kNarrowestCode && code <= kWidestCode; }

void reportCannotWrite(const std::string& path, const std::string& reason) {
    const std::string message = "Error writing '" + path + "' symbol file";
    acutPrintf("\n%s\n", message.c_str());
    if (!reason.empty()) acutPrintf("%s\n", reason.c_str());
    acedAlert(message.c_str());
}

}  // namespace

ZaPlotExport::ZaPlotExport(ZaPlotTables& tables, ZaPlotWriter& writer, bool texts)
    : tables_(tables), writer_(writer), texts_(texts) {}

bool ZaPlotExport::exported(ZaPlotKind kind) const {
    if (kind == ZaPlotKind::Other) return false;
    return texts_ || (kind != ZaPlotKind::Text && kind != ZaPlotKind::MText);
}

void ZaPlotExport::exportEntity(const ads_name entity) {
    const zadrawing::EntityList list = zadrawing::readEntity(entity);
    if (!list || !zaReadPlotEntity(list.get(), entity_) || !exported(entity_.kind) ||
        !readPolyline(entity, list.get())) {
        ++counts_.passedOver;
        return;
    }
    ++counts_.exported;
    layerRecords();
    const double* at = orOrigin(entity_.at10);
    switch (entity_.kind) {
    case ZaPlotKind::Line: {
        const double* end = orOrigin(entity_.at11);
        writer_.move(at[0], at[1]);
        writer_.draw(end[0], end[1]);
        return;
    }
    case ZaPlotKind::Arc:
        writer_.arc(at[0], at[1], entity_.value40, entity_.value50, entity_.value51);
        return;
    case ZaPlotKind::Circle:
        writer_.circle(at[0], at[1], entity_.value40);
        return;
    case ZaPlotKind::LwPolyline:
    case ZaPlotKind::Polyline:
        polyline();
        return;
    case ZaPlotKind::Text:
    case ZaPlotKind::MText:
        text();
        return;
    case ZaPlotKind::Other:
        return;
    }
}

// Only a change of layer is written; the pen table still hears of every
// layer and colour, as it notices layers whose colour changed.
void ZaPlotExport::layerRecords() {
    const std::string_view layer = entity_.layer;
    if (!penAsked_ || layer != penLayer_ || entity_.colour != penColour_) {
        pen_ = tables_.pens.penForLayer(layer, entity_.colour);
        penLayer_.assign(layer);
        penColour_ = entity_.colour;
        penAsked_ = true;
    }
    if (!tables_.layers.findOrAddByName(layer, ZaLayerKind::Line)) return;
    const std::int32_t code = tables_.layers.layerCode();
    if (!fitsCode(pen_.pen) || !fitsCode(pen_.lineType) || !fitsCode(code)) {
        acutPrintf("\nLayer '%s': pen %d, line type %d or layer code %d does not fit its three columns\n",
                   penLayer_.c_str(), static_cast<int>(pen_.pen), static_cast<int>(pen_.lineType),
                   static_cast<int>(code));
    }
    writer_.codes(pen_.pen, pen_.lineType, code);
}

// Its vertices as the entity holds them. A VERTEX that cannot be read
// ends the polyline there, and says so; an LWPOLYLINE without its count is
// passed over, one with fewer vertices than it counts gives those it has.
bool ZaPlotExport::readPolyline(const ads_name entity, const resbuf* list) {
    if (entity_.kind != ZaPlotKind::Polyline && entity_.kind != ZaPlotKind::LwPolyline) return true;
    const zadrawing::PolylineRules everyShape{.refuseMeshes = false, .refuseSplineFit = false};
    switch (polyline_.read(entity, list, everyShape)) {
    case zadrawing::DrawingFault::NoVertexCount:
        return false;
    case zadrawing::DrawingFault::NoVertexList:
        acutPrintf("\nzaOnGetPolyline() - end with 0 - NULL entity\n");
        return true;
    case zadrawing::DrawingFault::NoVertexType:
    case zadrawing::DrawingFault::NoVertexPoint:
        acutPrintf("\nzaOnGetPolyline() - end with 0 - NULL entity item\n");
        return true;
    default:
        return true;
    }
}

// A closed old-style polyline of two vertices draws no segment back.
void ZaPlotExport::polyline() {
    const ZaPoint* first = nullptr;
    int written = 0;
    for (const zadrawing::PolylineVertex& vertex : polyline_.vertices()) {
        if (!onTheLine(static_cast<int>(vertex.flags))) continue;
        if (written++ == 0) {
            first = &vertex.at;
            writer_.move(vertex.at[0], vertex.at[1]);
            continue;
        }
        writer_.draw(vertex.at[0], vertex.at[1]);
    }
    if (first && polyline_.closed() && (polyline_.lightweight() || written > 2)) writer_.draw((*first)[0], (*first)[1]);
}

// A text longer than the field is cut to it and said so: the suite's
// programs hold no more, and an empty line would lose the text unseen.
void ZaPlotExport::text() {
    const ZaPlotTextPlace place = zaPlotTextPlace(entity_);
    const double* at = orOrigin(place.at);
    text_.assign(entity_.leadingText);
    text_.append(entity_.text);
    for (char& c : text_) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (text_.size() > kZaPlotTextLimit) {
        text_.resize(kZaPlotTextLimit);
        if (++counts_.textsCut <= kCutTextsShown) {
            acutPrintf("\nText at %.3f,%.3f cut to its first %d characters: \"%s\"\n", at[0], at[1],
                       static_cast<int>(kZaPlotTextLimit), text_.c_str());
        }
    }
    writer_.text(place.code, at[0], at[1], entity_.value40, place.radians * kDegreesPerRadian, text_);
}

bool zaWritePlotFile(const std::string& path, const zadrawing::Selection& selection, ZaPlotTables& tables, bool texts) {
    ZaPlotWriter writer;
    if (!writer.open(path)) {
        reportCannotWrite(path, writer.failureReason());
        return false;
    }
    const ads_int32 length = selection.size();
    ZaPlotExport exporter(tables, writer, texts);
    zaimport::ImportProgress progress(kExportProgress);
    for (ads_int32 i = 0; i < length; ++i) {
        progress.at(i + 1);
        if (acedUsrBrk()) {
            writer.abandon();
            acutPrintf("\n*Cancel*\nPlot file '%s' not written\n", path.c_str());
            return false;
        }
        ads_name entity;
        if (selection.name(i, entity) == zadrawing::DrawingFault::None) exporter.exportEntity(entity);
    }
    if (!writer.finish()) {
        reportCannotWrite(path, writer.failureReason());
        return false;
    }
    const ZaPlotExportCounts& counts = exporter.counts();
    acutPrintf("\nPlot file '%s': %lld entities written, %lld passed over\n", path.c_str(),
               static_cast<long long>(counts.exported), static_cast<long long>(counts.passedOver));
    if (counts.textsCut > 0) {
        acutPrintf("%lld texts cut to %d characters\n", static_cast<long long>(counts.textsCut),
                   static_cast<int>(kZaPlotTextLimit));
    }
    return true;
}

#include "plot/plot_entity.h"

#include "layers/plot_layer_row.h"

namespace {

constexpr int kByLayer = 256;

std::string_view textOf(const resbuf* rb) { return rb->resval.rstring ? rb->resval.rstring : std::string_view{}; }

// Reals of groups 40 to 51 and flags 70 to 73 the export reads.
void takeNumber(const resbuf* rb, ZaPlotEntity& entity) {
    switch (rb->restype) {
    case 40:
        entity.value40 = rb->resval.rreal;
        return;
    case 50:
        entity.value50 = rb->resval.rreal;
        entity.has50 = true;
        return;
    case 51:
        entity.value51 = rb->resval.rreal;
        return;
    case 62:
        // An explicit BYLAYER is the same as none.
        entity.colour = rb->resval.rint == kByLayer ? 0 : rb->resval.rint;
        return;
    case 70:
        entity.flags70 = rb->resval.rint;
        return;
    case 71:
        entity.value71 = rb->resval.rint;
        return;
    case 72:
        entity.value72 = rb->resval.rint;
        return;
    case 73:
        entity.value73 = rb->resval.rint;
        return;
    default:
        return;
    }
}

void take(const resbuf* rb, ZaPlotEntity& entity) {
    switch (rb->restype) {
    case 0:
        entity.type = textOf(rb);
        return;
    case 1:
        entity.text = textOf(rb);
        return;
    case 3:
        entity.joined += textOf(rb);
        return;
    case 8:
        entity.layer = textOf(rb).substr(0, kZaLayerNameLimit);
        return;
    case 10:
        if (!entity.at10) entity.at10 = rb->resval.rpoint;
        return;
    case 11:
        entity.at11 = rb->resval.rpoint;
        return;
    default:
        takeNumber(rb, entity);
        return;
    }
}

}  // namespace

ZaPlotKind zaPlotKind(std::string_view type) {
    if (type == "LINE") return ZaPlotKind::Line;
    if (type == "ARC") return ZaPlotKind::Arc;
    if (type == "CIRCLE") return ZaPlotKind::Circle;
    if (type == "LWPOLYLINE") return ZaPlotKind::LwPolyline;
    if (type == "POLYLINE") return ZaPlotKind::Polyline;
    if (type == "TEXT") return ZaPlotKind::Text;
    if (type == "MTEXT") return ZaPlotKind::MText;
    return ZaPlotKind::Other;
}

bool zaReadPlotEntity(const resbuf* list, ZaPlotEntity& entity) {
    std::string joined = std::move(entity.joined);
    joined.clear();
    entity = ZaPlotEntity{};
    entity.joined = std::move(joined);
    entity.layer = "0";
    for (const resbuf* rb = list; rb; rb = rb->rbnext) take(rb, entity);
    entity.leadingText = entity.joined;
    entity.kind = zaPlotKind(entity.type);
    return !entity.type.empty();
}

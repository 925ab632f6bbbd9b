#include "pads/lot_maker.h"

#include <numbers>
#include <string>

#include "arx/acedads.h"

namespace zapads {

namespace {

// Group 8 starts with room for the longest name the suite's tables hold.
const std::string kLayerRoom(31, ' ');
constexpr ads_point kOrigin = {0, 0, 0};

}  // namespace

ZaEntityList& PadLotMaker::header(int colour) {
    const auto shade = static_cast<std::size_t>(colour) % headers_.size();
    // Open, as the ring's first vertex is written again at its end.
    return zaKeptList(headers_[shade], [colour] {
        return acutBuildList(RTDXF0, "POLYLINE", 8, kLayerRoom.c_str(), 62, colour, 66, 1, 70, 8, 0);
    });
}

const char* PadLotMaker::boundary(std::span<const ZaPoint> vertices, std::string_view layer, int colour) {
    zaCancelSequence();
    if (!header(colour).text(8, layer).make()) return "Cannot make POLYLINE\nBase type error in AutoCAD\n";
    ZaEntityList& vertex =
        zaKeptList(vertex_, [] { return acutBuildList(RTDXF0, "VERTEX", 8, kLayerRoom.c_str(), 10, kOrigin, 70, 32, 0); });
    vertex.text(8, layer);
    for (const ZaPoint& p : vertices) {
        if (vertex.point(10, p).make()) continue;
        zaCancelSequence();
        return "Zarvo creation error in AutoCAD \nCannot make VERTEX\n";
    }
    ZaEntityList& end = zaKeptList(seqend_, [] { return acutBuildList(RTDXF0, "SEQEND", 8, kLayerRoom.c_str(), 0); });
    if (end.text(8, layer).make()) return nullptr;
    zaCancelSequence();
    return "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n";
}

const char* PadLotMaker::label(const char* text, const ZaPoint& at, const PadText& from, const char* style,
                               const char* layer) {
    ZaTextRecord record;
    record.text = text;
    record.point = {at.x, at.y, 0};
    record.height = from.height;
    record.rotation = from.rotation * 180.0 / std::numbers::pi;
    record.layer = layer;
    record.style = style;
    if (texts_.make(record)) return nullptr;
    return "Cannot make TEXT\nZarvo_AutoCAD creation problem\n";
}

}  // namespace zapads

#include "string_import/import_entities.h"

#include "arx/acedads.h"
#include "drawing/entity_list.h"

namespace zastringimport {
namespace {

// Room for any layer name an import derives: a map value keeps at most 127
// characters, a code far fewer.
const std::string kLayerRoom(127, ' ');
constexpr ads_point kOrigin = {0, 0, 0};

// The type, then group 8 when layers are wanted, then the rest.
resbuf* build(const char* type, bool withLayer, resbuf* rest) {
    zadrawing::EntityList tail(rest);
    resbuf* list = withLayer ? acutBuildList(RTDXF0, type, 8, kLayerRoom.c_str(), 0) : acutBuildList(RTDXF0, type, 0);
    if (!list) return nullptr;
    resbuf* last = list;
    while (last->rbnext) last = last->rbnext;
    last->rbnext = tail.release();
    return list;
}

resbuf* header(const ImportEntityStyle& style) {
    const short flags = style.polyline3D ? 8 : 0;
    if (!style.headerAtFirstPoint) return acutBuildList(66, 1, 10, kOrigin, 70, flags, 0);
    if (style.polyline3D) return acutBuildList(66, 1, 70, flags, 0);
    return acutBuildList(10, kOrigin, 66, 1, 70, flags, 0);
}

}  // namespace

ImportEntities::ImportEntities(const ImportEntityStyle& style)
    : headerAtFirstPoint_(style.headerAtFirstPoint),
      point_(build("POINT", style.withLayers, acutBuildList(10, kOrigin, 0))),
      polyline_(build("POLYLINE", style.withLayers, header(style))),
      vertex_(build("VERTEX", style.withLayers, acutBuildList(10, kOrigin, 70, style.polyline3D ? 32 : 0, 0))),
      seqend_(build("SEQEND", style.withLayers, nullptr)) {}

bool ImportEntities::point(const ZaPoint& at, const std::string& layer) {
    return point_.text(8, layer).point(10, at).make();
}

bool ImportEntities::polyline(const ZaPoint& first, const std::string& layer) {
    polyline_.text(8, layer);
    // The header of a UR string stays at the origin.
    if (headerAtFirstPoint_) polyline_.point(10, first);
    return polyline_.make();
}

bool ImportEntities::vertex(const ZaPoint& at, const std::string& layer) {
    return vertex_.text(8, layer).point(10, at).make();
}

bool ImportEntities::seqend(const std::string& layer) { return seqend_.text(8, layer).make(); }

}  // namespace zastringimport

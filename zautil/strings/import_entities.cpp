#include "strings/import_entities.h"

#include <algorithm>
#include <cstring>

#include "arx/acedads.h"

namespace zastrings {
namespace {

// Every group 8 is built with room for any layer name an import derives
// (a map value keeps at most 127 characters), so names are copied in.
constexpr std::size_t kLayerRoom = 255;

resbuf* groupOf(resbuf* list, int code) {
    while (list && list->restype != code) list = list->rbnext;
    return list;
}

// The list's groups in order, with group 8 only when layers are wanted.
resbuf* build(const char* type, bool withLayer) {
    const std::string room(kLayerRoom, ' ');
    return withLayer ? acutBuildList(RTDXF0, type, 8, room.c_str(), 0) : acutBuildList(RTDXF0, type, 0);
}

void append(resbuf* list, resbuf* tail) {
    if (!list) {
        acutRelRb(tail);
        return;
    }
    while (list->rbnext) list = list->rbnext;
    list->rbnext = tail;
}

}  // namespace

ImportEntities::ImportEntities(const ImportEntityStyle& style) {
    const ads_point origin = {0, 0, 0};
    resbuf* point = build("POINT", style.withLayers);
    append(point, acutBuildList(10, origin, 0));
    point_ = keep(point);

    resbuf* polyline = build("POLYLINE", style.withLayers);
    const short flags = style.polyline3D ? 8 : 0;
    if (!style.headerAtFirstPoint) {
        append(polyline, acutBuildList(66, 1, 10, origin, 70, flags, 0));
    } else if (style.polyline3D) {
        append(polyline, acutBuildList(66, 1, 70, flags, 0));
    } else {
        append(polyline, acutBuildList(10, origin, 66, 1, 70, flags, 0));
    }
    polyline_ = keep(polyline);
    // The header of a UR string stays at the origin.
    if (!style.headerAtFirstPoint) polyline_.point = nullptr;

    resbuf* vertex = build("VERTEX", style.withLayers);
    append(vertex, acutBuildList(10, origin, 70, style.polyline3D ? 32 : 0, 0));
    vertex_ = keep(vertex);

    seqend_ = keep(build("SEQEND", style.withLayers));
}

ImportEntities::~ImportEntities() {
    for (const Kept* kept : {&point_, &polyline_, &vertex_, &seqend_}) acutRelRb(kept->list);
}

ImportEntities::Kept ImportEntities::keep(resbuf* list) { return {list, groupOf(list, 8), groupOf(list, 10)}; }

bool ImportEntities::make(const Kept& kept, const std::string& layer, const ImportPoint* at) {
    if (!kept.list) return false;
    if (kept.layer) {
        const std::size_t size = std::min(layer.size(), kLayerRoom);
        std::memcpy(kept.layer->resval.rstring, layer.data(), size);
        kept.layer->resval.rstring[size] = '\0';
    }
    if (kept.point && at) std::copy(at->begin(), at->end(), kept.point->resval.rpoint);
    return acdbEntMake(kept.list) == RTNORM;
}

bool ImportEntities::point(const ImportPoint& at, const std::string& layer) { return make(point_, layer, &at); }

bool ImportEntities::polyline(const ImportPoint& first, const std::string& layer) {
    return make(polyline_, layer, &first);
}

bool ImportEntities::vertex(const ImportPoint& at, const std::string& layer) { return make(vertex_, layer, &at); }

bool ImportEntities::seqend(const std::string& layer) { return make(seqend_, layer, nullptr); }

void ImportEntities::discard() { acdbEntMake(nullptr); }

}  // namespace zastrings

#include "alignment/polyline_reader.h"

#include <cstring>
#include <memory>

#include "arx/acedads.h"

namespace {

constexpr int kFlagClosed = 1;
constexpr int kFlagSplineFit = 4;
constexpr int kFlag3D = 8;
constexpr int kFlagPolygonMesh = 16;
constexpr int kFlagPolyfaceMesh = 64;

using EntityList = std::unique_ptr<resbuf, decltype(&acutRelRb)>;

EntityList entityList(const ads_name entity) { return {acdbEntGet(entity), &acutRelRb}; }

bool isText(const resbuf* rb, const char* text) {
    return rb->resval.rstring && std::strcmp(rb->resval.rstring, text) == 0;
}

const resbuf* findGroup(const resbuf* list, int code) {
    for (; list; list = list->rbnext) {
        if (list->restype == code) return list;
    }
    return nullptr;
}

ZaAlignmentVertex vertexAt(const resbuf* point) {
    return {point->resval.rpoint[0], point->resval.rpoint[1], point->resval.rpoint[2], 0, 0};
}

struct Header {
    bool lightweight = false;
    int flags = 0;
    ads_point extrusion = {0, 0, 1};
};

ZaPolylineFault readHeader(const resbuf* list, Header& header) {
    const resbuf* type = findGroup(list, 0);
    if (!type || !(isText(type, "POLYLINE") || isText(type, "LWPOLYLINE"))) return ZaPolylineFault::NotPolyline;
    header.lightweight = isText(type, "LWPOLYLINE");
    const resbuf* flags = findGroup(list, 70);
    if (!flags) return ZaPolylineFault::NoFlags;
    header.flags = flags->resval.rint;
    if (header.flags & kFlagPolygonMesh) return ZaPolylineFault::PolygonMesh;
    if (header.flags & kFlagPolyfaceMesh) return ZaPolylineFault::PolyfaceMesh;
    if (header.flags & kFlagClosed) return ZaPolylineFault::Closed;
    if (header.flags & kFlagSplineFit) return ZaPolylineFault::SplineFit;
    if (const resbuf* extrusion = findGroup(list, 210)) ads_point_set(extrusion->resval.rpoint, header.extrusion);
    return ZaPolylineFault::None;
}

// The VERTEX entities that follow the header, up to the limit.
ZaPolylineFault readVertexEntities(const ads_name header, ZaAlignment& out) {
    ads_name at;
    ads_name_set(header, at);
    ads_name next;
    while (out.size() < kZaAlignmentMostVertices && acdbEntNext(at, next) == RTNORM) {
        const EntityList vertex = entityList(next);
        const resbuf* type = vertex ? findGroup(vertex.get(), 0) : nullptr;
        if (!type || !isText(type, "VERTEX")) break;
        const resbuf* point = findGroup(vertex.get(), 10);
        if (!point) return ZaPolylineFault::NoVertexPoint;
        ZaAlignmentVertex v = vertexAt(point);
        if (const resbuf* bulge = findGroup(vertex.get(), 42)) v.bulgeOrRadius = bulge->resval.rreal;
        out.push_back(v);
        ads_name_set(next, at);
    }
    return ZaPolylineFault::None;
}

// Into the wanted system: a 2D polyline's points lie in the system of its
// extrusion, a 3D polyline's in the world. Where that system's z axis
// points away from the wanted one's, arcs turn the other way as seen, so
// their bulges change sign.
bool transform(const Header& header, int coordinateSystem, ZaAlignment& vertices) {
    resbuf from{};
    if (header.flags & kFlag3D) {
        from.restype = RTSHORT;
        from.resval.rint = 0;
    } else {
        from.restype = RT3DPOINT;
        ads_point_set(header.extrusion, from.resval.rpoint);
    }
    resbuf to{};
    to.restype = RTSHORT;
    to.resval.rint = static_cast<short>(coordinateSystem);
    const ads_point up = {0, 0, 1};
    ads_point seenUp;
    if (acedTrans(up, &from, &to, 1, seenUp) != RTNORM) return false;
    const double sense = seenUp[2] < 0 ? -1 : 1;
    for (ZaAlignmentVertex& v : vertices) {
        const ads_point p = {v.x, v.y, v.z};
        ads_point q;
        if (acedTrans(p, &from, &to, 0, q) != RTNORM) return false;
        v = {q[0], q[1], q[2], sense * v.bulgeOrRadius, 0};
    }
    return true;
}

}  // namespace

const char* zaPolylineFaultText(ZaPolylineFault fault) {
    switch (fault) {
    case ZaPolylineFault::None:
        return "";
    case ZaPolylineFault::NoEntityData:
        return "Cannot get entity data\nZarvo_AutoCAD access problem\n";
    case ZaPolylineFault::NotPolyline:
        return "Entity not a POLYLINE\nLooking for lightweight polyline\n";
    case ZaPolylineFault::NoFlags:
        return "Cannot get POLYLINE flags (70 group)\nCorrupt polyline in drawing\n";
    case ZaPolylineFault::PolygonMesh:
        return "Entity is a polygon mesh\nPolygon mesh ignored\n";
    case ZaPolylineFault::PolyfaceMesh:
        return "Entity is a polyface mesh\nPolyface mesh is not handled\nExplode details and try again\n";
    case ZaPolylineFault::Closed:
        return "Closed POLYLINES are not supported\nNot in this version\nExplode details and try again\n";
    case ZaPolylineFault::SplineFit:
        return "Spline vertices are not supported\nExplode details and try again\n";
    case ZaPolylineFault::NoVertexPoint:
        return "No point in vertex\nCorrupt AutoCAD drawing\n";
    case ZaPolylineFault::NoVertexCount:
        return "No vertexs in light weight polyline\nCorrupt AutoCAD drawing\n";
    case ZaPolylineFault::TooManyVertices:
        return "Too many vertexs in light weight polyline\nArbitary maximum exceeded\n";
    case ZaPolylineFault::VertexMissing:
        return "Light weight polyline vertex not found\nCannot process this polyline\n";
    case ZaPolylineFault::BadExtrusion:
        return "Cannot transform polyline vertices\nCorrupt polyline in drawing\n";
    }
    return "";
}

ZaPolylineFault zaReadLightweightVertices(const resbuf* list, ZaAlignment& out) {
    out.clear();
    const resbuf* count = findGroup(list, 90);
    if (!count) return ZaPolylineFault::NoVertexCount;
    if (count->resval.rlong > static_cast<ads_int32>(kZaAlignmentMostVertices)) return ZaPolylineFault::TooManyVertices;
    const std::size_t wanted = count->resval.rlong > 0 ? static_cast<std::size_t>(count->resval.rlong) : 0;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 10) {
            if (out.size() == wanted) break;
            out.push_back(vertexAt(rb));
        } else if (rb->restype == 42 && !out.empty()) {
            out.back().bulgeOrRadius = rb->resval.rreal;
        }
    }
    return out.size() == wanted ? ZaPolylineFault::None : ZaPolylineFault::VertexMissing;
}

ZaPolylineFault zaReadAlignmentPolyline(const ads_name entity, int coordinateSystem, ZaAlignment& out) {
    out.clear();
    const EntityList list = entityList(entity);
    if (!list) return ZaPolylineFault::NoEntityData;
    Header header;
    ZaPolylineFault fault = readHeader(list.get(), header);
    if (fault != ZaPolylineFault::None) return fault;
    fault = header.lightweight ? zaReadLightweightVertices(list.get(), out) : readVertexEntities(entity, out);
    if (fault != ZaPolylineFault::None) return fault;
    if (!transform(header, coordinateSystem, out)) return ZaPolylineFault::BadExtrusion;
    return ZaPolylineFault::None;
}

#include "dxf_subclass.h"

#include <array>

namespace zcad::dxf {

namespace {

bool arcPart(int code) { return code == 50 || code == 51; }
bool textPart(int code) { return code == 73; }
bool attribPart(int code) { return code == 2 || code == 70 || code == 73 || code == 74 || code == 280; }
bool attdefPart(int code) { return code == 3 || attribPart(code); }

struct Simple {
    std::string_view type;
    const char* marker;
};

constexpr std::array<Simple, 16> kSimple = {{
    {"LINE", "AcDbLine"},
    {"POINT", "AcDbPoint"},
    {"CIRCLE", "AcDbCircle"},
    {"3DFACE", "AcDbFace"},
    {"SOLID", "AcDbTrace"},
    {"TRACE", "AcDbTrace"},
    {"INSERT", "AcDbBlockReference"},
    {"LWPOLYLINE", "AcDbPolyline"},
    {"MTEXT", "AcDbMText"},
    {"ELLIPSE", "AcDbEllipse"},
    {"SPLINE", "AcDbSpline"},
    {"XLINE", "AcDbXline"},
    {"RAY", "AcDbRay"},
    {"SHAPE", "AcDbShape"},
    {"HATCH", "AcDbHatch"},
    {"LEADER", "AcDbLeader"},
}};

}  // namespace

bool isCommonEntityGroup(int code) {
    switch (code) {
    case 6: case 8: case 48: case 60: case 62: case 67: case 92: case 160: case 284: case 310:
    case 347: case 370: case 390: case 410: case 420: case 430: case 440:
        return true;
    default:
        return false;
    }
}

Subclasses subclassesOf(std::string_view type, int flags) {
    for (const auto& simple : kSimple) {
        if (simple.type == type) return {simple.marker, nullptr, false, nullptr};
    }
    if (type == "ARC") return {"AcDbCircle", "AcDbArc", false, arcPart};
    if (type == "TEXT") return {"AcDbText", "AcDbText", false, textPart};
    if (type == "ATTRIB") return {"AcDbText", "AcDbAttribute", false, attribPart};
    if (type == "ATTDEF") return {"AcDbText", "AcDbAttributeDefinition", false, attdefPart};
    if (type == "POLYLINE") {
        if (flags & 8) return {"AcDb3dPolyline"};
        if (flags & 16) return {"AcDbPolygonMesh"};
        if (flags & 64) return {"AcDbPolyFaceMesh"};
        return {"AcDb2dPolyline"};
    }
    if (type == "VERTEX") {
        const char* kind = "AcDb2dVertex";
        if ((flags & 128) && !(flags & 64)) {
            kind = "AcDbFaceRecord";
        } else if (flags & 128) {
            kind = "AcDbPolyFaceMeshVertex";
        } else if (flags & 32) {
            kind = "AcDb3dPolylineVertex";
        } else if (flags & 64) {
            kind = "AcDbPolygonMeshVertex";
        }
        return {"AcDbVertex", kind, true, nullptr};
    }
    return {};
}

const char* recordSubclass(std::string_view table) {
    if (table == "LAYER") return "AcDbLayerTableRecord";
    if (table == "STYLE") return "AcDbTextStyleTableRecord";
    if (table == "LTYPE") return "AcDbLinetypeTableRecord";
    return "AcDbSymbolTableRecord";
}

}  // namespace zcad::dxf

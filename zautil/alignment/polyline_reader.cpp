#include "alignment/polyline_reader.h"

#include "drawing/entity_list.h"
#include "drawing/polyline.h"

namespace zaalignment {

using zadrawing::DrawingFault;

constexpr zadrawing::DrawingTexts kAlignmentTexts{
    .rejected = "Selection error ... acedEntSel() returned RTREJ\nUnkown enitity in AutoCAD drawing\n",
    .keyword = "Selection error ... acedEntSel() returned RTKWORD\nUnkown enitity in AutoCAD drawing\n",
    .unrecognized = "Selection error ... acedEntSel() returned unrecognized value\nUnkown enitity in AutoCAD drawing\n",
    .noList = "Cannot get entity data\nZarvo_AutoCAD access problem\n",
    .notPolyline = "Entity not a POLYLINE\nLooking for lightweight polyline\n",
    .polygonMesh = "Entity is a polygon mesh\nPolygon mesh ignored\n",
    .polyfaceMesh = "Entity is a polyface mesh\nPolyface mesh is not handled\nExplode details and try again\n",
    .closed = "Closed POLYLINES are not supported\nNot in this version\nExplode details and try again\n",
    .splineFit = "Spline vertices are not supported\nExplode details and try again\n",
    .noVertexCount = "No vertexs in light weight polyline\nCorrupt AutoCAD drawing\n",
    .tooManyVertices = "Too many vertexs in light weight polyline\nArbitary maximum exceeded\n",
    .vertexMissing = "Light weight polyline vertex not found\nCannot process this polyline\n",
    .noVertexPoint = "No point in vertex\nCorrupt AutoCAD drawing\n",
};

DrawingFault readAlignmentPolyline(const ads_name entity, zadrawing::TargetSystem target, ZaAlignment& out) {
    out.clear();
    const zadrawing::EntityList list = zadrawing::readEntity(entity);
    if (!list) return DrawingFault::NoList;
    zadrawing::Polyline polyline;
    const zadrawing::PolylineRules rules{.refuseClosed = true, .mostVertices = kZaAlignmentMostVertices};
    const DrawingFault fault = polyline.read(entity, list.get(), rules);
    // A vertex that cannot be read ends the alignment there.
    if (zadrawing::faultText(fault, kAlignmentTexts)) return fault;
    const zadrawing::ObjectSystem system = polyline.system(target);
    for (const zadrawing::PolylineVertex& vertex : polyline.vertices()) {
        ZaPoint at = vertex.at;
        if (polyline.lightweight()) at[2] = 0;
        at = system(at);
        out.push_back({at[0], at[1], at[2], system.bulge(vertex.bulge), 0});
    }
    return DrawingFault::None;
}

}  // namespace zaalignment

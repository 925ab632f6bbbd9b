// Polylines, old-style and lightweight: a string of their vertices, with
// each bulged segment broken into points when arcs are broken up.
#include "drawing/groups.h"
#include "shell/za_advice.h"
#include "string_export/xyz_export.h"

namespace zastringexport {
namespace {

bool fail(const char* message) {
    zaAdviceMessage(message);
    return false;
}

}  // namespace

bool XYZExport::DoPOLYLINE(const resbuf* list) {
    const resbuf* name = zadrawing::findGroup(list, -1);
    if (!name) return fail("Selection error ... Cannot get ename\nZarvo_AutoCAD user error");
    const auto layer = zadrawing::groupText(list, 8);
    if (!layer) return fail("Selection error ... Cannot get entity layer\nZarvo_AutoCAD user error");
    if (const char* refusal = zadrawing::faultText(polyline_.read(name->resval.rlname, list), kXYZTexts)) {
        return fail(refusal);
    }
    transform_ = polyline_.system(target_);
    if (!newString()) return false;
    setLayer(*layer);
    return polyline_.lightweight() ? lightweightVertices() : oldStyleVertices();
}

// Every vertex, its arc to the next one, and only when the polyline is
// closed the arc from its last vertex to its first.
bool XYZExport::oldStyleVertices() {
    const auto& vertices = polyline_.vertices();
    const std::size_t n = vertices.size();
    const bool closed = polyline_.closed();
    for (std::size_t i = 0; i < n; ++i) {
        const ZaPoint* next = i + 1 < n ? &vertices[i + 1].at : closed ? &vertices[0].at : nullptr;
        if (!writeVertex(vertices[i], next, "pl", "pl")) return false;
    }
    return n == 0 || !closed || writeLevelled(stringNumber_, vertices[0].at, "pc");
}

bool XYZExport::lightweightVertices() {
    const auto& vertices = polyline_.vertices();
    const std::size_t n = vertices.size();
    const bool closed = polyline_.closed();
    for (std::size_t i = 0; i < n;) {
        const bool last = i + 1 == n;
        const ZaPoint* next = !last ? &vertices[i + 1].at : closed ? &vertices[0].at : nullptr;
        bool arc = false;
        if (!writeVertex(vertices[i], next, "pc", "lw", &arc)) return false;
        // An arc's last point stands for the straight vertex it ends on.
        i += arc && !last && vertices[i + 1].bulge == 0 ? 2 : 1;
    }
    return n == 0 || !closed || writeLevelled(stringNumber_, vertices[0].at, "pp");
}

bool XYZExport::writeVertex(const zadrawing::PolylineVertex& vertex, const ZaPoint* next, std::string_view tag,
                            std::string_view arcTag, bool* wroteArc) {
    if (vertex.bulge == 0 || !next || !breakupOn()) return writeLevelled(stringNumber_, vertex.at, tag);
    const auto arc = zaBulgeArc(vertex.at, *next, vertex.bulge);
    if (!arc) return writeLevelled(stringNumber_, vertex.at, tag);
    if (wroteArc) *wroteArc = true;
    // The arc has a level only where both its ends have one.
    const bool level = transform_(vertex.at)[2] > kNoLevel && transform_(*next)[2] > kNoLevel;
    return writeArc(*arc, arcTag, level);
}

}  // namespace zastringexport

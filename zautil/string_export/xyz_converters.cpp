// The converters of single-point, line, arc, face and block entities.
#include <array>
#include <string_view>

#include "arx/acedads.h"
#include "drawing/groups.h"
#include "drawing/line.h"
#include "shell/za_advice.h"
#include "string_export/xyz_export.h"

namespace zastringexport {
namespace {

using zadrawing::extrusionOf;
using zadrawing::findGroup;
using zadrawing::groupPoint;
using zadrawing::groupReal;
using zadrawing::groupText;

bool fail(const char* message) {
    zaAdviceMessage(message);
    return false;
}

// The DXF group codes of the text values of a list.
bool holdsText(int code) {
    return (code >= 1 && code <= 9) || code == 100 || (code >= 300 && code <= 309) || (code >= 1000 && code <= 1009);
}

}  // namespace

bool XYZExport::DoLINE(const resbuf* list) {
    zadrawing::Line line;
    if (const char* refusal = zadrawing::faultText(zadrawing::readLine(list, line), kXYZTexts)) return fail(refusal);
    if (!newString()) return false;
    setLayer(line.layer);
    transform_.fromWorld();
    return writeLevelled(stringNumber_, line.start, "LS") && writeLevelled(stringNumber_, line.end, "LE");
}

bool XYZExport::DoPOINT(const resbuf* list) {
    const auto layer = groupText(list, 8);
    if (!layer) return fail("Cannot get layer\nLeaving DoPOINT(..) with FALSE - Cannot get layer\n");
    const auto at = groupPoint(list, 10);
    if (!at) return fail("Cannot get coord/r/nLeaving DoPOINT(..) with FALSE - Cannot get coord/r/n");
    setLayer(*layer);
    transform_.fromWorld();
    return writeLevelled(0, *at, "ar");
}

bool XYZExport::DoTEXT(const resbuf* list) {
    const auto layer = groupText(list, 8);
    if (!layer) return fail("Cannot get layer\nLeaving DoTEXT(..) with FALSE - Cannot get layer\n");
    const auto at = groupPoint(list, 10);
    if (!at) return fail("Cannot get coord/r/nLeaving DoTEXT(..) with FALSE - Cannot get coord/r/n");
    setLayer(*layer);
    // A TEXT's insertion point is in its own system; an MTEXT's in the world.
    if (zadrawing::entityType(list) == "TEXT") {
        transform_.fromExtrusion(extrusionOf(list));
    } else {
        transform_.fromWorld();
    }
    return writeLevelled(0, *at, "tx");
}

bool XYZExport::DoARC(const resbuf* list) {
    const auto layer = groupText(list, 8);
    if (!layer) return fail("Cannot get layer");
    setLayer(*layer);
    if (!breakupOn()) return leaveOut();
    const auto centre = groupPoint(list, 10);
    if (!centre) return fail("Cannot get arc centre point");
    const auto radius = groupReal(list, 40);
    if (!radius) return fail("Cannot get arc radius");
    const auto start = groupReal(list, 50);
    if (!start) return fail("Cannot get arc start angle");
    const auto end = groupReal(list, 51);
    if (!end) return fail("Cannot get arc end angle");
    if (!newString()) return false;
    transform_.fromExtrusion(extrusionOf(list));
    const bool level = transform_(*centre)[2] > kNoLevel;
    return writeArc(zaEntityArc(*centre, *radius, *start, *end), "as", level);
}

bool XYZExport::DoCIRCLE(const resbuf* list) {
    const auto layer = groupText(list, 8);
    if (!layer) return fail("Cannot get layer");
    setLayer(*layer);
    if (!breakupOn()) return leaveOut();
    const auto centre = groupPoint(list, 10);
    if (!centre) {
        return fail("Cannot get arc centre point/r/nLeaving DoCIRCLE(..) with FALSE - Cannot get arc centre point/r/n");
    }
    const auto radius = groupReal(list, 40);
    if (!radius) return fail("Cannot get arc radius\nLeaving DoCIRCLE(..) with FALSE - Cannot get arc radius");
    if (!newString()) return false;
    transform_.fromExtrusion(extrusionOf(list));
    const bool level = transform_(*centre)[2] > kNoLevel;
    return writeArc(zaEntityArc(*centre, *radius, 0, kZaFullTurn), "ci", level);
}

bool XYZExport::Do3DFace(const resbuf* list) {
    const auto layer = groupText(list, 8);
    if (!layer) {
        acutPrintf("\rERROR: could not retrieve layer information for 3DFace\n");
        return false;
    }
    std::array<ZaPoint, 4> corners{};
    for (int i = 0; i < 4; ++i) {
        auto corner = groupPoint(list, 10 + i);
        // A face of three corners may leave out the fourth, which is the third.
        if (!corner && i == 3) corner = corners[2];
        if (!corner) {
            acutPrintf("\rERROR: could not retrieve information for 3DFace - point %d\n", i + 1);
            return false;
        }
        corners[static_cast<std::size_t>(i)] = *corner;
    }
    // A triangle repeats its third corner; closed, it ends where it began.
    if (corners[2] == corners[3] && faceMode_ == 1 && faceCloseTriangles_) corners[3] = corners[0];
    if (!newString()) return false;
    setLayer(*layer);
    transform_.fromWorld();
    for (const ZaPoint& corner : corners) {
        if (!write(stringNumber_, transform_(corner), "fc", true)) return false;
    }
    return true;
}

bool XYZExport::doBlockReference(const resbuf* list) {
    const resbuf* name = findGroup(list, 2);
    if (!name || !name->resval.rstring) {
        zaAdviceMessage(kXYZTexts.noType);
        return false;
    }
    acutPrintf("\rFirst Block %s code %d\n", name->resval.rstring, name->restype);
    // The block is not expanded. A text of the reference's own from its
    // name on that names an entity type runs that type's converter on the
    // reference; a failing one has said why and the export goes on.
    for (const resbuf* rb = name; rb; rb = rb->rbnext) {
        if (!holdsText(rb->restype) || !rb->resval.rstring) continue;
        const Dispatch* dispatch = converterFor(rb->resval.rstring);
        if (!dispatch) continue;
        run(*dispatch, list);
        if (fileFailed_) return false;
    }
    return true;
}

}  // namespace zastringexport

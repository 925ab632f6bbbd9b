#include "string_export/xyz_export.h"

#include <algorithm>
#include <array>
#include <limits>

#include "arx/acedads.h"
#include "dialogs/breakup_choice.h"
#include "drawing/groups.h"
#include "shell/za_advice.h"

namespace zastringexport {

constexpr zadrawing::DrawingTexts kXYZTexts{
    .nothingSelected = "no selection\nZarvo_AutoCAD user error\n",
    .rejected = "Selection error ... acedSSGet() returned RTREJ\nZarvo_AutoCAD creation error\n",
    .keyword = "Selection error ... acedSSGet() returned RTKWORD\nZarvo_AutoCAD creation error\n",
    .unrecognized = "Selection error ... acedSSGet() returned unrecognized value\nZarvo_AutoCAD creation error\n",
    .noLength = "Seelction error ... acedSSLength()\nZarvo_AutoCAD user error\n",
    .noName = "Selection error ... acedSSName()\nZarvo_AutoCAD user error\n",
    .noList = "selection error ... acdbEntGet()\nZarvo_AutoCAD user error\n",
    .noType = "Selection error cannot get entity type\nZarvo_AutoCAD user error",
    .noLayer = "Cannot get layer",
    .noStart = "Cannot get p1 coord",
    .noEnd = "Cannot get p2 coord",
    .polygonMesh = "Selection error ... Entity is a polygon mesh\nZarvo_AutoCAD unsupported element\n",
    .polyfaceMesh = "Selection error ... Entity is a polyface mesh\nZarvo_AutoCAD unsupported element\n",
    .splineFit = "Spline vertices are not supported\nZarvo_AutoCAD unsupported element\n",
    .noVertexCount = "Too many vertices in light weight polyline\nZarvo_AutoCAD arbitary size restriction\n",
    .vertexMissing = "Vertex for light polyline does not exist\nZarvo_AutoCAD vertex error in polyline\n",
    .noVertexList = "Cannot get entity data\nZarvo_AutoCAD access problem\n\n",
    .noVertexPoint = "No point in vertex\nZarvo_AutoCAD user error\nLeaving DoPOLYLINE(..) with FALSE\n",
};

XYZExport::XYZExport(XYZKind kind, const ZaSettings& settings)
    : options_(zaUROutOptions(settings)),
      faceMode_(settings.xyzFaceMode),
      faceCloseTriangles_(settings.xyzFaceCloseTriangles),
      writer_(kind),
      text_(options_) {}

const XYZExport::Dispatch* XYZExport::converterFor(std::string_view type) {
    static constexpr std::array<Dispatch, 9> kConverters{{
        {"POLYLINE", &XYZExport::DoPOLYLINE, &XYZCounts::polylines},
        {"LWPOLYLINE", &XYZExport::DoPOLYLINE, &XYZCounts::polylines},
        {"LINE", &XYZExport::DoLINE, &XYZCounts::lines},
        {"POINT", &XYZExport::DoPOINT, &XYZCounts::points},
        {"TEXT", &XYZExport::DoTEXT, &XYZCounts::points},
        {"MTEXT", &XYZExport::DoTEXT, &XYZCounts::points},
        {"ARC", &XYZExport::DoARC, &XYZCounts::arcs},
        {"CIRCLE", &XYZExport::DoCIRCLE, &XYZCounts::circles},
        {"3DFACE", &XYZExport::Do3DFace, &XYZCounts::faces},
    }};
    const auto found = std::find_if(kConverters.begin(), kConverters.end(),
                                    [type](const Dispatch& d) { return d.type == type; });
    return found == kConverters.end() ? nullptr : &*found;
}

bool XYZExport::run(const Dispatch& dispatch, const resbuf* list) {
    leftOut_ = false;
    // A cancelled question about arcs stops the export: the file would
    // lack what the user never agreed to leave out.
    if (!(this->*dispatch.convert)(list) || arcsCancelled_) return false;
    ++(leftOut_ ? counts_.leftOut : counts_.*dispatch.counter);
    return true;
}

bool XYZExport::DoEntity(const resbuf* list) {
    const std::string_view type = zadrawing::entityType(list);
    if (type.empty()) {
        zaAdviceMessage(kXYZTexts.noType);
        return false;
    }
    if (type == "INSERT") return doBlockReference(list);
    if (const Dispatch* dispatch = converterFor(type)) return run(*dispatch, list);
    return true;
}

bool XYZExport::finish() {
    if (writer_.finish()) return true;
    fileFailed_ = true;
    return false;
}

std::string XYZExport::fileFailure() const {
    std::string text = writer_.lastError() + "\n";
    const std::string reason = writer_.failureReason();
    if (!reason.empty()) text += reason + "\n";
    return text + "Zarvo_AutoCAD filing problem\n";
}

bool XYZExport::newString() {
    if (stringNumber_ == std::numeric_limits<std::int32_t>::max()) {
        zaAdviceMessage("Too many strings for one string file\nZarvo_AutoCAD arbitary size restriction\n");
        return false;
    }
    ++stringNumber_;
    return true;
}

bool XYZExport::breakupOn() {
    if (asked_) return breakupOn_;
    asked_ = true;
    const ZaArcChoice choice = zaChooseArcBreakup(options_);
    breakupOn_ = choice == ZaArcChoice::BreakUp;
    arcsCancelled_ = choice == ZaArcChoice::Cancelled;
    // The dialog may have changed how layer names become texts.
    text_.setLayer(layer_);
    return breakupOn_;
}

void XYZExport::setLayer(std::string_view layer) {
    layer_.assign(layer);
    text_.setLayer(layer_);
}

bool XYZExport::write(std::int32_t string, const ZaPoint& point, std::string_view tag, bool level) {
    if (writer_.put(string, point, text_.text(tag, level))) return true;
    fileFailed_ = true;
    return false;
}

bool XYZExport::writeLevelled(std::int32_t string, const ZaPoint& point, std::string_view tag) {
    ZaPoint moved = transform_(point);
    const bool level = moved[2] > kNoLevel;
    moved[2] = std::clamp(moved[2], kNoLevel, kHighestLevel);
    return write(string, moved, tag, level);
}

bool XYZExport::writeArc(const ZaArc& arc, std::string_view tag, bool level) {
    const ZaArcSteps steps = zaArcSteps(options_.breakup, arc);
    if (steps.limited) ++limitedArcs_;
    return zaWalkArc(arc, steps, [&](const ZaPoint& point) {
        ZaPoint moved = transform_(point);
        moved[2] = std::clamp(moved[2], kNoLevel, kHighestLevel);
        return write(stringNumber_, moved, tag, level);
    });
}

}  // namespace zastringexport

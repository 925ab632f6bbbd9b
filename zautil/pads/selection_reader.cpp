#include "pads/selection_reader.h"

#include <cmath>
#include <string_view>

#include "dialogs/breakup_choice.h"
#include "drawing/groups.h"
#include "drawing/line.h"
#include "files/c_numbers.h"
#include "pads/segment_chain.h"
#include "settings/settings_record.h"

namespace zapads {

using zadrawing::DrawingFault;

namespace {

// A text style name as the suite keeps it.
constexpr std::size_t kStyleLength = 31;
constexpr double kDefaultTextHeight = 2.4;

constexpr const char* kEntGetFailed =
    "Selection error....acdbEntGet() \nNeed to select correct elements\nZarvo_AutoCAD code error\n ";

ZaPoint planOf(const ZaPoint& p) { return {p[0], p[1]}; }

int styleNumber(PadInput& input, std::string_view name) {
    name = name.substr(0, kStyleLength);
    for (std::size_t i = input.styles.size(); i-- > 0;) {
        if (input.styles[i] == name) return static_cast<int>(i);
    }
    input.styles.emplace_back(name);
    return static_cast<int>(input.styles.size()) - 1;
}

}  // namespace

constexpr zadrawing::DrawingTexts kPadTexts{
    .nothingSelected = "Selection error ... no selection\nZarvo_AutoCAD user error\n",
    .rejected = "Creation error AutoCAD..... acedSSGet() returned RTREJ\n\nZarvo_AutoCAD creation problem\n",
    .keyword = "Selection error .. acedSSGet() returned RTKWORD\n\nZarvo_AutoCAD creation problem\n",
    .unrecognized = "Selection error ... acedSSGet() returned unrecognized value\nZarvo_AutoCAD creation problem\n",
    .noLength = "Selection error in acedSSLength()\nNo objects found\nUser error\n",
    .noName = kEntGetFailed,
    .noList = kEntGetFailed,
    .noType = "Selection error....Cannot get entity type\nZarvo_AutoCAD user error\n",
    .noLayer = "Selection error ... Cannot get layer\nZarvo_AutoCAD user error\n",
    .noStart = "Selection error ... Cannot get p1 coord\nZarvo_AutoCAD user error\n",
    .noEnd = "Selection error ... Cannot get p2 coord\nNeed to select correct elements\n",
    .polygonMesh = "Selection error ... Entity is a polygon mesh\nunsupported element found\n",
    .polyfaceMesh = "Selection error ... Entity is a polyface mesh\nunsupported element found\n",
    .splineFit = "Selection error ... Spline vertices are not supported\nunsupported element found\n",
    .noVertexCount = "Too many vertices in light weight polyline\nArbitary maximum number of polyline elements\n"
                     "Zarvo_AutoCAD configuration error\n",
};

PadSelectionReader::PadSelectionReader(const PadTextRules& rules)
    : rules_(rules), breakup_(zaUROutOptions(zaSettings())) {}

DrawingFault PadSelectionReader::read(const zadrawing::Selection& selection, PadInput& input) {
    DrawingFault refused = DrawingFault::None;
    const DrawingFault fault = zadrawing::forEachEntity(selection, [&](const ads_name entity, const resbuf* list) {
        refused = readEntity(entity, list, input);
        return refused == DrawingFault::None;
    });
    return fault == DrawingFault::Stopped ? refused : fault;
}

DrawingFault PadSelectionReader::readEntity(const ads_name entity, const resbuf* list, PadInput& input) {
    const std::string_view type = zadrawing::entityType(list);
    if (type.empty()) return DrawingFault::NoType;
    if (type == "LINE") return readLine(list, input);
    if (type == "POLYLINE" || type == "LWPOLYLINE") return readPolyline(entity, list, input);
    if (type == "TEXT" || type == "MTEXT") readText(list, input);
    // A curve that is no polyline cannot be cut into lines.
    if (type == "SPLINE") return DrawingFault::SplineFit;
    return DrawingFault::None;
}

DrawingFault PadSelectionReader::readLine(const resbuf* list, PadInput& input) {
    zadrawing::Line line;
    const DrawingFault fault = zadrawing::readLine(list, line);
    if (fault == DrawingFault::None) padAppendLine(input.segments, planOf(line.start), planOf(line.end));
    return fault;
}

// In the world, seen from above: a vertex that cannot be read ends the
// polyline where it stands, and a short LWPOLYLINE gives the vertices it
// has.
DrawingFault PadSelectionReader::readPolyline(const ads_name entity, const resbuf* list, PadInput& input) {
    const DrawingFault fault = polyline_.read(entity, list);
    if (zadrawing::faultText(fault, kPadTexts)) return fault;
    const zadrawing::ObjectSystem world = polyline_.system(zadrawing::TargetSystem::World);
    const auto& vertices = polyline_.vertices();
    if (vertices.size() < 2) return DrawingFault::None;
    points_.clear();
    for (const zadrawing::PolylineVertex& vertex : vertices) points_.push_back(planOf(world(vertex.at)));
    PadChain chain(input.segments);
    chain.start(points_.front());
    const std::size_t segments = polyline_.closed() ? points_.size() : points_.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const ZaPoint& to = points_[(i + 1) % points_.size()];
        const double bulge = world.bulge(vertices[i].bulge);
        if (bulge != 0 && breakArcs()) {
            padAppendArc(chain, points_[i], to, bulge, breakup_.breakup);
            continue;
        }
        chain.to(to);
    }
    chain.end();
    return DrawingFault::None;
}

bool PadSelectionReader::breakArcs() {
    if (!breakArcs_) breakArcs_ = zaUroutCircleAndArcOptions(breakup_);
    return *breakArcs_;
}

void PadSelectionReader::readText(const resbuf* list, PadInput& input) {
    ++input.textEntities;
    const auto at = zadrawing::groupPoint(list, 10);
    if (!at) return;
    PadText text;
    text.at = planOf(*at);
    if (zadrawing::entityType(list) == "TEXT") {
        zadrawing::ObjectSystem world;
        world.fromExtrusion(zadrawing::extrusionOf(list));
        text.at = planOf(world(*at));
    }
    if (!padFinite(text.at)) return;
    if (rules_.useText) {
        // A text that reads as no number is a note, not a lot; one that
        // spells zero is a lot at level 0. "inf" and "nan" are no levels.
        const std::string_view value = zadrawing::groupText(list, 1).value_or(std::string_view());
        text.level = zafiles::readCReal(value);
        if (text.level == 0 && value.find('0') == std::string_view::npos) return;
        if (!std::isfinite(text.level)) return;
    } else {
        text.level = rules_.useBoundaryLevel ? rules_.boundaryLevel : 0.0;
    }
    text.height = zadrawing::groupReal(list, 40).value_or(kDefaultTextHeight);
    text.rotation = zadrawing::groupReal(list, 50).value_or(0.0);
    const std::string_view style = zadrawing::groupText(list, 7).value_or(std::string_view());
    text.style = styleNumber(input, style.empty() ? std::string_view("Standard") : style);
    input.texts.push_back(text);
}

}  // namespace zapads

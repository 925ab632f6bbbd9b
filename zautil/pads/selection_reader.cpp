#include "pads/selection_reader.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>
#include <utility>

#include "arx/acedads.h"
#include "dialogs/breakup_choice.h"
#include "files/c_numbers.h"
#include "pads/segment_chain.h"
#include "settings/settings_record.h"

namespace zapads {

namespace {

// A text style name as the suite keeps it.
constexpr std::size_t kStyleLength = 31;
constexpr double kDefaultTextHeight = 2.4;

// Polyline flags.
constexpr int kClosed = 1;
constexpr int kSplineFit = 4;
constexpr int kMesh = 16;
constexpr int kPolyface = 64;

constexpr const char* kEntGetFailed =
    "Selection error....acdbEntGet() \nNeed to select correct elements\nZarvo_AutoCAD code error\n ";

using List = std::unique_ptr<resbuf, int (*)(resbuf*)>;

List entityList(const ads_name entity) { return {acdbEntGet(entity), acutRelRb}; }

const resbuf* group(const resbuf* list, int code) {
    while (list && list->restype != code) list = list->rbnext;
    return list;
}

std::string_view textOf(const resbuf* list, int code) {
    const resbuf* rb = group(list, code);
    return rb && rb->resval.rstring ? std::string_view(rb->resval.rstring) : std::string_view();
}

double realOf(const resbuf* list, int code, double fallback) {
    const resbuf* rb = group(list, code);
    return rb ? rb->resval.rreal : fallback;
}

int flagsOf(const resbuf* list) {
    const resbuf* rb = group(list, 70);
    return rb ? rb->resval.rint : 0;
}

PadPoint planOf(const resbuf* rb) { return {rb->resval.rpoint[X], rb->resval.rpoint[Y]}; }

// Entities drawn in a plane other than the world's (group 210) give their
// points in their own system: into world coordinates with them. Seen from
// below, a bulge turns the other way.
class ObjectSystem {
public:
    explicit ObjectSystem(const resbuf* list) {
        const resbuf* extrusion = group(list, 210);
        if (!extrusion) return;
        const double* e = extrusion->resval.rpoint;
        if (e[X] == 0 && e[Y] == 0 && e[Z] == 1) return;
        from_.restype = RT3DPOINT;
        std::copy(e, e + 3, from_.resval.rpoint);
        to_.restype = RTSHORT;
        to_.resval.rint = 0;
        tilted_ = true;
        mirrored_ = e[Z] < 0;
    }

    PadPoint toWorld(const PadPoint& p, double elevation) const {
        if (!tilted_) return p;
        const ads_point in = {p.x, p.y, elevation};
        ads_point out;
        if (acedTrans(in, &from_, &to_, 0, out) != RTNORM) return p;
        return {out[X], out[Y]};
    }
    double bulge(double b) const { return mirrored_ ? -b : b; }

private:
    resbuf from_{};
    resbuf to_{};
    bool tilted_ = false;
    bool mirrored_ = false;
};

int styleNumber(PadInput& input, std::string_view name) {
    name = name.substr(0, kStyleLength);
    for (std::size_t i = input.styles.size(); i-- > 0;) {
        if (input.styles[i] == name) return static_cast<int>(i);
    }
    input.styles.emplace_back(name);
    return static_cast<int>(input.styles.size()) - 1;
}

}  // namespace

PadSelectionReader::PadSelectionReader(const PadTextRules& rules)
    : rules_(rules), breakup_(zaUROutOptions(zaSettings())) {}

bool PadSelectionReader::fail(const char* text) {
    failure_ = text;
    return false;
}

bool PadSelectionReader::read(const ads_name set, ads_int32 length, PadInput& input) {
    for (ads_int32 i = 0; i < length; ++i) {
        ads_name entity;
        if (acedSSName(set, i, entity) != RTNORM) return fail(kEntGetFailed);
        if (!readEntity(entity, input)) return false;
    }
    return true;
}

bool PadSelectionReader::readEntity(const ads_name entity, PadInput& input) {
    const List list = entityList(entity);
    if (!list) return fail(kEntGetFailed);
    const std::string_view type = textOf(list.get(), 0);
    if (type.empty()) return fail("Selection error....Cannot get entity type\nZarvo_AutoCAD user error\n");
    if (type == "LINE") return readLine(list.get(), input);
    if (type == "POLYLINE") return readPolyline(entity, list.get(), input);
    if (type == "LWPOLYLINE") return readLightPolyline(list.get(), input);
    if (type == "TEXT" || type == "MTEXT") {
        readText(list.get(), input);
        return true;
    }
    // A curve that is no polyline cannot be cut into lines.
    if (type == "SPLINE") return fail("Selection error ... Spline vertices are not supported\nunsupported element found\n");
    return true;
}

bool PadSelectionReader::readLine(const resbuf* list, PadInput& input) {
    if (!group(list, 8)) return fail("Selection error ... Cannot get layer\nZarvo_AutoCAD user error\n");
    const resbuf* p1 = group(list, 10);
    if (!p1) return fail("Selection error ... Cannot get p1 coord\nZarvo_AutoCAD user error\n");
    const resbuf* p2 = group(list, 11);
    if (!p2) return fail("Selection error ... Cannot get p2 coord\nNeed to select correct elements\n");
    padAppendLine(input.segments, planOf(p1), planOf(p2));
    return true;
}

bool PadSelectionReader::readPolyline(const ads_name entity, const resbuf* list, PadInput& input) {
    const int flags = flagsOf(list);
    if (flags & kMesh) return fail("Selection error ... Entity is a polygon mesh\nunsupported element found\n");
    if (flags & kPolyface) return fail("Selection error ... Entity is a polyface mesh\nunsupported element found\n");
    if (flags & kSplineFit) return fail("Selection error ... Spline vertices are not supported\nunsupported element found\n");
    const ObjectSystem system(list);
    const double elevation = group(list, 10) ? group(list, 10)->resval.rpoint[Z] : 0.0;
    vertices_.clear();
    ads_name at;
    ads_name next;
    ads_name_set(entity, at);
    while (acdbEntNext(at, next) == RTNORM) {
        const List vertex = entityList(next);
        if (!vertex || textOf(vertex.get(), 0) != "VERTEX") break;
        if (const resbuf* p = group(vertex.get(), 10)) {
            vertices_.push_back({system.toWorld(planOf(p), elevation), system.bulge(realOf(vertex.get(), 42, 0))});
        }
        ads_name_set(next, at);
    }
    chainVertices(flags & kClosed, input);
    return true;
}

bool PadSelectionReader::readLightPolyline(const resbuf* list, PadInput& input) {
    const resbuf* count = group(list, 90);
    if (!count) {
        return fail("Too many vertices in light weight polyline\nArbitary maximum number of polyline elements\n"
                    "Zarvo_AutoCAD configuration error\n");
    }
    const ObjectSystem system(list);
    const double elevation = realOf(list, 38, 0);
    vertices_.clear();
    // Each vertex is a group 10 and the bulge after it, if any; no more
    // vertices than the count gives.
    bool counted = true;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 10) {
            counted = std::cmp_less(vertices_.size(), count->resval.rlong);
            if (counted) vertices_.push_back({system.toWorld(planOf(rb), elevation), 0});
        }
        if (rb->restype == 42 && counted && !vertices_.empty()) vertices_.back().bulge = system.bulge(rb->resval.rreal);
    }
    chainVertices(flagsOf(list) & kClosed, input);
    return true;
}

void PadSelectionReader::chainVertices(bool closed, PadInput& input) {
    if (vertices_.size() < 2) return;
    PadChain chain(input.segments);
    chain.start(vertices_.front().at);
    const std::size_t segments = closed ? vertices_.size() : vertices_.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const Vertex& from = vertices_[i];
        const PadPoint& to = vertices_[(i + 1) % vertices_.size()].at;
        if (from.bulge != 0 && breakArcs()) {
            padAppendArc(chain, from.at, to, from.bulge, breakup_.breakup);
            continue;
        }
        chain.to(to);
    }
    chain.end();
}

bool PadSelectionReader::breakArcs() {
    if (!breakArcs_) breakArcs_ = zaUroutCircleAndArcOptions(breakup_);
    return *breakArcs_;
}

void PadSelectionReader::readText(const resbuf* list, PadInput& input) {
    ++input.textEntities;
    const resbuf* at = group(list, 10);
    if (!at) return;
    PadText text;
    text.at = planOf(at);
    if (textOf(list, 0) == "TEXT") text.at = ObjectSystem(list).toWorld(text.at, at->resval.rpoint[Z]);
    if (!padFinite(text.at)) return;
    if (rules_.useText) {
        // A text that reads as no number is a note, not a lot; one that
        // spells zero is a lot at level 0. "inf" and "nan" are no levels.
        const std::string_view value = textOf(list, 1);
        text.level = zafiles::readCReal(value);
        if (text.level == 0 && value.find('0') == std::string_view::npos) return;
        if (!std::isfinite(text.level)) return;
    } else {
        text.level = rules_.useBoundaryLevel ? rules_.boundaryLevel : 0.0;
    }
    text.height = realOf(list, 40, kDefaultTextHeight);
    text.rotation = realOf(list, 50, 0.0);
    const std::string_view style = textOf(list, 7);
    text.style = styleNumber(input, style.empty() ? std::string_view("Standard") : style);
    input.texts.push_back(text);
}

}  // namespace zapads

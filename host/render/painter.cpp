#include "painter.h"

#include <algorithm>
#include <cmath>

#include "geom/drawing_vars.h"
#include "spline.h"
#include "zcad/entity_shape.h"
#include "zcad/text.h"

namespace zcad::render {

using shapes::EntityRecord;
using shapes::V3;

namespace {

// Blocks inside blocks deeper than this are left out: real drawings nest a
// few levels, and a file that nests without end must not take forever.
constexpr int kDeepestBlock = 16;
// A MINSERT draws at most this many copies.
constexpr std::int64_t kMostCopies = 65536;

// Vertex flags of a polyface mesh: positions carry 64 (and 128); face
// records 128 alone.
constexpr std::int64_t kMeshVertex = 64;
constexpr std::int64_t kFaceRecord = 128;
// A polyline whose linetype runs on over its vertices.
constexpr std::int64_t kContinuousPattern = 128;

bool isFollower(std::string_view type) { return type == "VERTEX" || type == "SEQEND" || type == "ATTRIB"; }

P2 minus(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }
P2 scaled(const P2& a, double k) { return {a.x * k, a.y * k}; }
P2 plus(const P2& a, const P2& b) { return {a.x + b.x, a.y + b.y}; }

// A lineweight group's value, or `fallback` when it is none of the kinds a
// drawing holds.
int weightOf(std::int64_t value, int fallback) { return value >= -3 && value <= 211 ? static_cast<int>(value) : fallback; }

}  // namespace

V3 Placement::apply(const V3& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3], m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}

V3 Placement::applyLinear(const V3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Placement Placement::then(const Placement& outer) const {
    Placement out;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = c == 3 ? outer.m[r][3] : 0.0;
            for (int k = 0; k < 3; ++k) sum += outer.m[r][k] * m[k][c];
            out.m[r][c] = sum;
        }
    }
    return out;
}

Painter::Painter(const Database& drawing, BlockLibrary& blocks, Sink& sink, const PaintStyle& style)
    : drawing_(drawing), blocks_(blocks), sink_(sink), style_(style), records_(kDeepestBlock + 1) {
    pointMode_ = geom::headerInt(drawing, "$PDMODE", 70, 0);
    const double size = geom::headerReal(drawing, "$PDSIZE", 40, 0.0);
    // As the host shows points: a size in drawing units, or a share of the
    // view's height (5 per cent for 0, -size per cent for a negative size).
    if (size > 0) pointSize_ = size * sink.view().scale;
    if (size == 0) pointSize_ = 0.05 * style.pictureHeight;
    if (size < 0) pointSize_ = -size / 100 * style.pictureHeight;
    if (!std::isfinite(pointSize_)) pointSize_ = 0;
    linetypeScale_ = geom::headerReal(drawing, "$LTSCALE", 40, 1.0);
    if (!(linetypeScale_ > 0) || !std::isfinite(linetypeScale_)) linetypeScale_ = 1;
    defaultWeight_ = std::clamp(geom::headerInt(drawing, "$LWDEFAULT", 370, 25), 0, 211);
    metric_ = geom::headerInt(drawing, "$MEASUREMENT", 70, 0) == 1;
}

void Painter::drawAll() { drawRange(0, static_cast<EntityId>(drawing_.entityCount())); }

void Painter::drawRange(EntityId first, EntityId last) {
    const Context top;
    for (EntityId id = first; id < last; ++id) {
        if (drawing_.valid(id)) drawEntity(drawing_, id, top);
    }
}

void Painter::drawSome(std::span<const EntityId> ids) {
    const Context top;
    for (const EntityId id : ids) {
        if (drawing_.valid(id)) drawEntity(drawing_, id, top);
    }
}

const LinePattern* Painter::linetype(std::string_view name) {
    if (name.empty() || equalNoCase(name, "CONTINUOUS")) return nullptr;
    std::string key = upperCase(name);
    const auto known = linetypes_.find(key);
    if (known != linetypes_.end()) return known->second.get();
    std::unique_ptr<LinePattern> pattern;
    if (const TableRecord* record = drawing_.linetypes().find(name)) {
        pattern = std::make_unique<LinePattern>(linePattern(*record));
        if (pattern->continuous()) pattern.reset();
    }
    return linetypes_.emplace(std::move(key), std::move(pattern)).first->second.get();
}

Rgb layerColour(const Database& drawing, std::string_view name, const PaintStyle& style) {
    const TableRecord* record = drawing.layers().find(name);
    if (!record) return style.ink;
    const OwnedGroup* colour = record->find(62);
    const OwnedGroup* truecolour = record->find(420);
    const int index = static_cast<int>(std::llabs(colour ? colour->integer : 7));
    Rgb rgb = index == 7 || index == 0 ? style.ink : indexedColour(index);
    if (truecolour) rgb = trueColour(truecolour->integer);
    return legibleOn(rgb, style.ground, style.ink);
}

const Painter::LayerLook& Painter::layerLook(std::string_view name) {
    if (lastLayer_ && equalNoCase(lastLayer_->name, name)) return *lastLayer_;
    for (const LayerLook& look : layers_) {
        if (equalNoCase(look.name, name)) {
            lastLayer_ = &look;
            return look;
        }
    }
    LayerLook look;
    look.name = std::string(name);
    look.colour = layerColour(drawing_, name, style_);
    if (const TableRecord* record = drawing_.layers().find(name)) {
        const OwnedGroup* colour = record->find(62);
        const OwnedGroup* flags = record->find(70);
        const OwnedGroup* weight = record->find(370);
        const OwnedGroup* pattern = record->find(6);
        const std::int64_t index = colour ? colour->integer : 7;
        // A negative colour turns the layer off; flag 1 freezes it.
        look.shown = index >= 0 && !(flags && (flags->integer & 1));
        if (weight) look.lineweight = weightOf(weight->integer, kDefaultWeight);
        if (look.lineweight < 0) look.lineweight = kDefaultWeight;
        if (pattern) look.linetype = linetype(pattern->text);
    }
    // A deque: the looks blocks being drawn point to stay where they are.
    layers_.push_back(std::move(look));
    lastLayer_ = &layers_.back();
    return layers_.back();
}

bool Painter::resolve(const EntityRecord& e, const Context& context, const LayerLook*& layer, Look& look) {
    // The groups that set how an entity looks, in one walk over its list.
    std::string_view name;
    std::string_view pattern;
    const Group* truecolour = nullptr;
    const Group* colour = nullptr;
    const Group* weighted = nullptr;
    for (const Group& g : e.groups()) {
        switch (g.code) {
        case 6:
            if (pattern.empty()) pattern = g.text;
            break;
        case 8:
            if (name.empty()) name = g.text;
            break;
        case 60:
            if (g.integer == 1) return false;
            break;
        case 62:
            if (!colour) colour = &g;
            break;
        case 370:
            if (!weighted) weighted = &g;
            break;
        case 420:
            if (g.kind != GroupKind::String && !truecolour) truecolour = &g;
            break;
        default:
            break;
        }
    }
    const bool onLayerZero = name.empty() || name == "0";
    layer = context.layer && onLayerZero ? context.layer : &layerLook(onLayerZero ? "0" : name);
    if (!layer->shown) return false;
    const bool inBlock = context.depth > 0;
    const std::int64_t index = colour && colour->kind != GroupKind::String ? std::llabs(colour->integer) : 256;
    std::int64_t weight = weighted && weighted->kind != GroupKind::String ? weighted->integer : kByLayer;
    if (truecolour) look.colour = legibleOn(trueColour(truecolour->integer), style_.ground, style_.ink);
    else if (index == 256) look.colour = layer->colour;
    else if (index == 0) look.colour = inBlock ? context.byBlock.colour : style_.ink;
    else look.colour = legibleOn(index == 7 || index > 255 ? style_.ink : indexedColour(static_cast<int>(index)), style_.ground, style_.ink);
    if (pattern.empty() || equalNoCase(pattern, "BYLAYER")) look.linetype = layer->linetype;
    else if (equalNoCase(pattern, "BYBLOCK")) look.linetype = inBlock ? context.byBlock.linetype : nullptr;
    else look.linetype = linetype(pattern);
    weight = weightOf(weight, kByLayer);
    if (weight == kByLayer) look.lineweight = layer->lineweight;
    else if (weight == kByBlock) look.lineweight = inBlock ? context.byBlock.lineweight : kDefaultWeight;
    else look.lineweight = static_cast<int>(weight);
    return true;
}

double Painter::penWidth(const Look& look) const {
    if (style_.unitsPerMm <= 0) return 0;
    const int weight = look.lineweight >= 0 ? look.lineweight : defaultWeight_;
    return weight / 100.0 * style_.unitsPerMm;
}

void Painter::startPattern(const EntityRecord& e, const Look& look) {
    if (!look.linetype || sink_.measuring()) return dasher_.start(nullptr, 1, {});
    double scale = e.real(48, 1.0);
    if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
    // The picture, and a little round it for the ends of wide lines.
    Area picture;
    picture.add({-16, -16});
    picture.add({style_.pictureWidth + 16, style_.pictureHeight + 16});
    dasher_.start(look.linetype, scale * linetypeScale_ * sink_.view().scale, picture);
}

P2 Painter::map(const V3& p, const Context& context) const {
    const V3 w = context.identity ? p : context.place.apply(p);
    return sink_.view().toPicture(w.x, w.y);
}

PlaneMap Painter::plane(const shapes::Ocs& ocs, double elevation, const Context& context) const {
    const P2 o = map(ocs.toWorld({0, 0, elevation}), context);
    return {o, minus(map(ocs.toWorld({1, 0, elevation}), context), o), minus(map(ocs.toWorld({0, 1, elevation}), context), o)};
}

void Painter::emitShape(const shapes::Geometry& shape, const Context& context, bool fill, bool points) {
    for (const auto& s : shape.segments) line(map(s.from, context), map(s.to, context));
    for (const auto& arc : shape.arcs) emitArc(arc, context);
    if (fill) {
        for (const auto& area : shape.areas) emitPolygon(area, context);
    }
    if (points) {
        for (const V3& p : shape.points) sink_.dot(map(p, context));
    }
}

// Chords fine enough that no gap to the true curve shows: a bulge between
// vertices is drawn as the arc it is. Measured, an arc is its ends and the
// points where it turns along x or y.
void Painter::emitArc(const shapes::ArcPiece& arc, const Context& context) {
    const double sweep = arc.t1 - arc.t0;
    if (!std::isfinite(sweep) || sweep <= 0) return;
    const P2 c = map(arc.centre, context);
    const P2 u = minus(map(arc.centre + arc.u, context), c);
    const P2 v = minus(map(arc.centre + arc.v, context), c);
    const double radius = std::max(std::hypot(u.x, u.y), std::hypot(v.x, v.y));
    if (!std::isfinite(radius)) return;
    const auto at = [&](double t) { return plus(c, plus(scaled(u, std::cos(t)), scaled(v, std::sin(t)))); };
    if (sink_.measuring()) {
        sink_.dot(at(arc.t0));
        sink_.dot(at(arc.t1));
        for (const double turn : {std::atan2(v.x, u.x), std::atan2(v.y, u.y)}) {
            for (int k = -4; k <= 4; ++k) {
                const double t = turn + k * shapes::kTwoPi / 2;
                if (t > arc.t0 && t < arc.t1) sink_.dot(at(t));
            }
        }
        return;
    }
    const double flat = sink_.flatness();
    // What is under a pixel is a dot.
    if (radius < 0.5 && sweep >= shapes::kTwoPi - 1e-9) return sink_.dot(c);
    double step = radius > flat ? 2 * std::acos(1 - flat / radius) : sweep;
    const auto steps = static_cast<int>(std::clamp(std::ceil(sweep / step), 1.0, 4096.0));
    // Each chord's end turned from the last: one sine and cosine an arc.
    step = sweep / steps;
    const double cs = std::cos(step);
    const double sn = std::sin(step);
    double cosT = std::cos(arc.t0);
    double sinT = std::sin(arc.t0);
    P2 previous = at(arc.t0);
    for (int k = 1; k <= steps; ++k) {
        const double nextCos = cosT * cs - sinT * sn;
        sinT = sinT * cs + cosT * sn;
        cosT = nextCos;
        const P2 next = k == steps ? at(arc.t1) : plus(c, plus(scaled(u, cosT), scaled(v, sinT)));
        line(previous, next);
        previous = next;
    }
}

void Painter::emitPolygon(std::span<const V3> corners, const Context& context) {
    corners_.clear();
    for (const V3& p : corners) corners_.push_back(map(p, context));
    sink_.polygon(corners_);
}

void Painter::drawPoint(const EntityRecord& e, const Context& context) {
    const P2 p = map(e.point(10), context);
    const int figure = pointMode_ & 31;
    if (sink_.measuring() || (figure == 0 && !(pointMode_ & 96))) return sink_.dot(p);
    const double h = pointSize_ / 2;
    if (figure == 0) sink_.dot(p);
    if (figure == 2) {
        sink_.segment({p.x - h, p.y}, {p.x + h, p.y});
        sink_.segment({p.x, p.y - h}, {p.x, p.y + h});
    }
    if (figure == 3) {
        sink_.segment({p.x - h, p.y - h}, {p.x + h, p.y + h});
        sink_.segment({p.x - h, p.y + h}, {p.x + h, p.y - h});
    }
    if (figure == 4) sink_.segment(p, {p.x, p.y - h});
    if (pointMode_ & 32) {
        // Already in picture units: chords about a unit long.
        const int steps = static_cast<int>(std::clamp(std::ceil(h), 8.0, 256.0));
        P2 previous{p.x + h, p.y};
        for (int k = 1; k <= steps; ++k) {
            const double t = shapes::kTwoPi * k / steps;
            const P2 next{p.x + h * std::cos(t), p.y + h * std::sin(t)};
            sink_.segment(previous, next);
            previous = next;
        }
    }
    if (pointMode_ & 64) {
        const P2 corners[] = {{p.x - h, p.y - h}, {p.x + h, p.y - h}, {p.x + h, p.y + h}, {p.x - h, p.y + h}};
        for (int k = 0; k < 4; ++k) sink_.segment(corners[k], corners[(k + 1) % 4]);
    }
}

// Edge flags 1, 2, 4, 8 hide the edges that start at the first to fourth corner.
void Painter::drawFace(const EntityRecord& e, const Context& context) {
    const V3 p3 = e.point(12);
    const P2 corners[] = {map(e.point(10), context), map(e.point(11), context), map(p3, context),
                          map(e.point(13, p3), context)};
    const std::int64_t hidden = e.integer(70, 0);
    for (int k = 0; k < 4; ++k) {
        const P2& a = corners[k];
        const P2& b = corners[(k + 1) % 4];
        if ((hidden & (1 << k)) || (a.x == b.x && a.y == b.y)) continue;
        dasher_.restart();
        line(a, b);
    }
}

// Face records name up to four position vertices, 1-based; a negative
// number hides the edge that starts at that corner.
void Painter::drawPolyface(const Database& db, EntityId id, const Context& context) {
    std::vector<P2> positions;
    EntityRecord v;
    const std::vector<EntityId> members = subEntities(db, id);
    for (const EntityId sub : members) {
        v.load(db, sub);
        const std::int64_t flags = v.integer(70, 0);
        if (v.type() == "VERTEX" && ((flags & kMeshVertex) || !(flags & kFaceRecord))) positions.push_back(map(v.point(10), context));
    }
    for (const EntityId sub : members) {
        v.load(db, sub);
        const std::int64_t flags = v.integer(70, 0);
        if (v.type() != "VERTEX" || (flags & kMeshVertex) || !(flags & kFaceRecord)) continue;
        std::int64_t index[4];
        int corners = 0;
        for (int k = 0; k < 4; ++k) {
            const std::int64_t n = v.integer(71 + k, 0);
            if (n != 0) index[corners++] = n;
        }
        for (int k = 0; k < corners && corners >= 2; ++k) {
            const std::int64_t from = index[k];
            const std::uint64_t a = static_cast<std::uint64_t>(std::llabs(from));
            const std::uint64_t b = static_cast<std::uint64_t>(std::llabs(index[(k + 1) % corners]));
            if (from < 0 || a > positions.size() || b > positions.size() || (corners == 2 && k == 1)) continue;
            sink_.segment(positions[a - 1], positions[b - 1]);
        }
    }
}

void Painter::drawPolyline(const Database& db, EntityId id, const EntityRecord& e, const Context& context, const Look& look) {
    const bool light = e.type() == "LWPOLYLINE";
    const std::int64_t flags = e.integer(70, 0);
    if (!light && (flags & shapes::kPolyfaceMesh)) return drawPolyface(db, id, context);
    // A constant width is drawn as a wide pen.
    const double width = light ? e.real(43, 0.0) : (e.real(40, 0.0) == e.real(41, 0.0) ? e.real(40, 0.0) : 0.0);
    if (width > 0 && std::isfinite(width)) {
        const P2 o = map({0, 0, 0}, context);
        const P2 x = minus(map({1, 0, 0}, context), o);
        const P2 y = minus(map({0, 1, 0}, context), o);
        sink_.pen(look.colour, std::max(penWidth(look), width * std::sqrt(std::fabs(x.x * y.y - x.y * y.x))));
    }
    shape_.clear();
    if (light) shapes::addLwPolylineShape(e, shape_);
    else if (flags & shapes::kPolygonMesh) shapes::addPolylineShape(db, id, e, shape_);
    else polylineShape(db, id, e);
    // Without its flag, a polyline's linetype starts afresh at every vertex.
    if (flags & kContinuousPattern) return emitShape(shape_, context, false, true);
    for (const auto& s : shape_.segments) {
        dasher_.restart();
        line(map(s.from, context), map(s.to, context));
    }
    for (const auto& arc : shape_.arcs) {
        dasher_.restart();
        emitArc(arc, context);
    }
    for (const V3& p : shape_.points) sink_.dot(map(p, context));
}

// A 2D or 3D POLYLINE from the VERTEX entities that follow it, read in
// place; a spline-fit one through its fit vertices, not its frame.
void Painter::polylineShape(const Database& db, EntityId id, const EntityRecord& head) {
    constexpr std::int64_t kSplineFitVertex = 8;
    constexpr std::int64_t kFrameControlPoint = 16;
    vertices_.clear();
    bool splineFit = false;
    for (EntityId v = id + 1; v < db.entityCount(); ++v) {
        if (!db.valid(v)) continue;
        if (db.type(v) != "VERTEX") break;
        vertex_.load(db, v);
        const std::int64_t flags = vertex_.integer(70, 0);
        splineFit = splineFit || (flags & kSplineFitVertex);
        vertices_.push_back({vertex_.point(10), vertex_.real(42, 0.0), flags});
    }
    std::erase_if(vertices_, [&](const Vertex& v) { return (v.flags & kFrameControlPoint) && (splineFit || (head.integer(70, 0) & shapes::kPolyline3d)); });
    const bool closed = (head.integer(70, 0) & 1) && vertices_.size() > 2;
    if (vertices_.size() == 1) shape_.points.push_back(vertices_.front().at);
    if (head.integer(70, 0) & shapes::kPolyline3d) {
        for (std::size_t i = 0; i + 1 < vertices_.size(); ++i) shape_.segments.push_back({vertices_[i].at, vertices_[i + 1].at});
        if (closed) shape_.segments.push_back({vertices_.back().at, vertices_.front().at});
        return;
    }
    const shapes::Ocs ocs = head.ocs();
    const double elevation = head.point(10).z;
    for (Vertex& v : vertices_) v.at.z = elevation;
    for (std::size_t i = 0; i + 1 < vertices_.size(); ++i) {
        shapes::addBulgeSegment(ocs, vertices_[i].at, vertices_[i + 1].at, vertices_[i].bulge, shape_);
    }
    if (closed) shapes::addBulgeSegment(ocs, vertices_.back().at, vertices_.front().at, vertices_.back().bulge, shape_);
}

bool Painter::drawSpline(const EntityRecord& e, const Context& context) {
    // Twelve chords a span: a span bends less than a quarter turn in the
    // curves drawings hold.
    if (!splinePoints(e, 12, curve_)) return false;
    for (std::size_t i = 1; i < curve_.size(); ++i) line(map(curve_[i - 1], context), map(curve_[i], context));
    return true;
}

const Block* Painter::findBlock(std::string_view name) {
    name = trimmed(name);
    // Drawings insert the same block over and over: no look-up for a repeat.
    if (lastBlock_ && equalNoCase(name, lastBlockName_)) return lastBlock_;
    const Block* block = blocks_.find(name);
    if (!block) return nullptr;
    lastBlockName_.assign(name);
    lastBlock_ = block;
    return block;
}

void Painter::drawInsert(const Database& db, EntityId id, const EntityRecord& e, const Context& context,
                         const LayerLook* layer, const Look& look) {
    if (e.integer(66, 0) == 1) {
        for (const EntityId sub : subEntities(db, id)) {
            EntityRecord attribute(db, sub);
            const LayerLook* attributeLayer = nullptr;
            Look attributeLook;
            if (attribute.type() != "ATTRIB" || (attribute.integer(70, 0) & 1)) continue;
            if (!resolve(attribute, context, attributeLayer, attributeLook)) continue;
            sink_.pen(attributeLook.colour, penWidth(attributeLook));
            drawText(attribute, context);
        }
        sink_.pen(look.colour, penWidth(look));
    }
    const std::string_view type = e.type();
    const bool placed = type == "INSERT";
    const Block* block = findBlock(e.text(2));
    if (!block) {
        if (type != "INSERT" && type != "ACAD_TABLE") drawDimension(e, context, look);
        return;
    }
    if (context.depth >= kDeepestBlock) return;
    if (std::find(open_.begin(), open_.end(), block) != open_.end()) return;

    Context inner;
    inner.identity = false;
    inner.layer = layer;
    inner.byBlock = look;
    inner.depth = context.depth + 1;
    if (!placed) {
        // A dimension's or a table's block is drawn where it stands.
        inner.place = context.place;
        return drawBlock(*block, context.place, inner);
    }
    const double sx = e.real(41, 1.0);
    const double sy = e.real(42, 1.0);
    const double sz = e.real(43, 1.0);
    const double angle = e.real(50, 0.0);
    const std::int64_t columns = std::clamp<std::int64_t>(e.integer(70, 1), 1, kMostCopies);
    const std::int64_t rows = std::clamp<std::int64_t>(e.integer(71, 1), 1, kMostCopies / columns);
    const double columnStep = e.real(44, 0.0);
    const double rowStep = e.real(45, 0.0);
    const shapes::Ocs ocs = e.ocs();
    const V3 at = e.point(10);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    // Object axes times rotation times scale.
    const V3 ax = ocs.xAxis();
    const V3 ay = ocs.yAxis();
    const V3 az = ocs.zAxis();
    const V3 rx = c * ax + s * ay;
    const V3 ry = -s * ax + c * ay;
    for (std::int64_t row = 0; row < rows; ++row) {
        for (std::int64_t column = 0; column < columns; ++column) {
            // p -> R (S (p - base) + offset) + at, in object coordinates.
            const double ox = -sx * block->base[0] + static_cast<double>(column) * columnStep;
            const double oy = -sy * block->base[1] + static_cast<double>(row) * rowStep;
            const double oz = -sz * block->base[2];
            const V3 shift = ocs.toWorld({at.x + c * ox - s * oy, at.y + s * ox + c * oy, at.z + oz});
            Placement local;
            const V3 cols[3] = {sx * rx, sy * ry, sz * az};
            for (int r = 0; r < 3; ++r) {
                const double axis[3][3] = {{cols[0].x, cols[1].x, cols[2].x}, {cols[0].y, cols[1].y, cols[2].y}, {cols[0].z, cols[1].z, cols[2].z}};
                for (int k = 0; k < 3; ++k) local.m[r][k] = axis[r][k];
            }
            local.m[0][3] = shift.x;
            local.m[1][3] = shift.y;
            local.m[2][3] = shift.z;
            drawBlock(*block, context.identity ? local : local.then(context.place), inner);
        }
    }
}

void Painter::drawBlock(const Block& block, const Placement& place, const Context& inner) {
    Context context = inner;
    context.place = place;
    open_.push_back(&block);
    const Database& entities = *block.entities;
    for (EntityId id = 0; id < entities.entityCount(); ++id) {
        if (entities.valid(id)) drawEntity(entities, id, context);
    }
    open_.pop_back();
}

void Painter::drawEntity(const Database& db, EntityId id, const Context& context) {
    // Vertices and attributes are drawn with their head: not even read here.
    const std::string_view kind = db.type(id);
    if (isFollower(kind) || kind == "ATTDEF") return;
    EntityRecord& e = records_[static_cast<std::size_t>(context.depth)];
    e.load(db, id);
    const std::string_view type = e.type();
    if (e.paperSpace()) return;
    const LayerLook* layer = nullptr;
    Look look;
    if (!resolve(e, context, layer, look)) return;
    if (context.depth == 0) sink_.entity({type, e.text(8), db.handle(id)});
    sink_.pen(look.colour, penWidth(look));
    startPattern(e, look);
    drawKind(db, id, e, context, layer, look);
}

void Painter::drawKind(const Database& db, EntityId id, const EntityRecord& e, const Context& context, const LayerLook* layer,
                       const Look& look) {
    const std::string_view type = e.type();
    if (type == "LINE") return line(map(e.point(10), context), map(e.point(11), context));
    if (type == "LWPOLYLINE" || type == "POLYLINE") return drawPolyline(db, id, e, context, look);
    if (type == "TEXT") return drawText(e, context);
    if (type == "POINT") return drawPoint(e, context);
    if (type == "3DFACE") return drawFace(e, context);
    if (type == "MTEXT") return drawMText(e, context, look);
    if (type == "INSERT" || type == "DIMENSION" || type == "ARC_DIMENSION" || type == "LARGE_RADIAL_DIMENSION" ||
        type == "ACAD_TABLE") {
        return drawInsert(db, id, e, context, layer, look);
    }
    if (type == "HATCH") return drawHatch(e, context, look);
    if ((type == "SPLINE" || type == "HELIX") && drawSpline(e, context)) return;
    if (type == "LEADER") return drawLeader(e, context);
    if (type == "MULTILEADER" || type == "MLEADER") return drawMultiLeader(e, context, look);
    if (type == "MLINE") return drawMultiLine(e, context);
    if (type == "MESH") return drawMesh(e, context);
    if (type == "XLINE" || type == "RAY") return drawInfinite(e, context);
    if (type == "IMAGE" || type == "WIPEOUT" || type == "3DSOLID" || type == "REGION" || type == "BODY" ||
        type == "ACAD_PROXY_ENTITY" || type == "OLE2FRAME" || type == "SURFACE" || type == "PLANESURFACE" ||
        type == "EXTRUDEDSURFACE" || type == "REVOLVEDSURFACE" || type == "LOFTEDSURFACE" || type == "SWEPTSURFACE") {
        return drawFrame(e, context);
    }
    shape_.clear();
    if (type == "SOLID" || type == "TRACE") shapes::addLinearShape(e, shape_);
    else if (type == "CIRCLE" || type == "ARC" || type == "ELLIPSE" || type == "SPLINE") shapes::addCurveShape(e, shape_);
    // A custom entity, by the graphics its program left for others.
    else if (e.has(310)) return drawFrame(e, context);
    emitShape(shape_, context, true, false);
}

}  // namespace zcad::render

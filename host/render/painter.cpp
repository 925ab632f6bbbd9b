#include "painter.h"

#include <algorithm>
#include <cmath>

#include "geom/drawing_vars.h"
#include "geom/text_metrics.h"
#include "spline.h"
#include "text_lines.h"
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

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Vertex flags of a polyface mesh: positions carry 64 (and 128); face
// records 128 alone.
constexpr std::int64_t kMeshVertex = 64;
constexpr std::int64_t kFaceRecord = 128;

bool isFollower(std::string_view type) { return type == "VERTEX" || type == "SEQEND" || type == "ATTRIB"; }

P2 minus(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }
P2 scaled(const P2& a, double k) { return {a.x * k, a.y * k}; }
P2 plus(const P2& a, const P2& b) { return {a.x + b.x, a.y + b.y}; }

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

Painter::Painter(const Database& drawing, BlockLibrary& blocks, Sink& sink, bool dark, double pictureHeight)
    : drawing_(drawing), blocks_(blocks), sink_(sink), foreground_(dark ? kWhite : kInk), records_(kDeepestBlock + 1) {
    pointMode_ = geom::headerInt(drawing, "$PDMODE", 70, 0);
    const double size = geom::headerReal(drawing, "$PDSIZE", 40, 0.0);
    // As the host shows points: a size in drawing units, or a share of the
    // view's height (5 per cent for 0, -size per cent for a negative size).
    if (size > 0) pointSize_ = size * sink.view().scale;
    if (size == 0) pointSize_ = 0.05 * pictureHeight;
    if (size < 0) pointSize_ = -size / 100 * pictureHeight;
    if (!std::isfinite(pointSize_)) pointSize_ = 0;
}

void Painter::drawAll() {
    const Context top;
    for (EntityId id = 0; id < drawing_.entityCount(); ++id) {
        if (drawing_.valid(id)) drawEntity(drawing_, id, top);
    }
}

void Painter::drawSome(std::span<const EntityId> ids) {
    const Context top;
    for (const EntityId id : ids) {
        if (drawing_.valid(id)) drawEntity(drawing_, id, top);
    }
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
    look.colour = foreground_;
    if (const TableRecord* record = drawing_.layers().find(name)) {
        const OwnedGroup* colour = record->find(62);
        const OwnedGroup* flags = record->find(70);
        const OwnedGroup* truecolour = record->find(420);
        const std::int64_t index = colour ? colour->integer : 7;
        // A negative colour turns the layer off; flag 1 freezes it.
        look.shown = index >= 0 && !(flags && (flags->integer & 1));
        const int shown = static_cast<int>(std::llabs(index));
        look.colour = shown == 7 || shown == 0 ? foreground_ : indexedColour(shown);
        if (truecolour) look.colour = trueColour(truecolour->integer);
    }
    // Addresses stay put: the list is reserved before it grows.
    if (layers_.size() == layers_.capacity()) {
        layers_.reserve(std::max<std::size_t>(64, layers_.size() * 2));
        lastLayer_ = nullptr;
    }
    layers_.push_back(std::move(look));
    lastLayer_ = &layers_.back();
    return layers_.back();
}

bool Painter::resolve(const EntityRecord& e, const Context& context, const LayerLook*& layer, Rgb& colour) {
    const std::string_view name = e.text(8);
    const bool onLayerZero = name.empty() || name == "0";
    layer = context.layer && onLayerZero ? context.layer : &layerLook(onLayerZero ? "0" : name);
    if (!layer->shown || e.integer(60, 0) == 1) return false;
    if (const Group* truecolour = e.find(420); truecolour && truecolour->kind != GroupKind::String) {
        colour = trueColour(truecolour->integer);
        return true;
    }
    const std::int64_t index = std::llabs(e.integer(62, 256));
    if (index == 256) colour = layer->colour;
    else if (index == 0) colour = context.depth > 0 ? context.byBlock : foreground_;
    else colour = index == 7 || index > 255 ? foreground_ : indexedColour(static_cast<int>(index));
    return true;
}

P2 Painter::map(const V3& p, const Context& context) const {
    const V3 w = context.identity ? p : context.place.apply(p);
    return sink_.view().toPicture(w.x, w.y);
}

void Painter::emitShape(const shapes::Geometry& shape, const Context& context, bool fill, bool points) {
    for (const auto& s : shape.segments) sink_.segment(map(s.from, context), map(s.to, context));
    for (const auto& arc : shape.arcs) emitArc(arc, context);
    if (fill) {
        for (const auto& area : shape.areas) emitPolygon(area, context);
    }
    if (points) {
        for (const V3& p : shape.points) sink_.dot(map(p, context));
    }
}

// Chords fine enough that no gap to the true curve shows: a bulge between
// vertices is drawn as the arc it is.
void Painter::emitArc(const shapes::ArcPiece& arc, const Context& context) {
    const double sweep = arc.t1 - arc.t0;
    if (!std::isfinite(sweep) || sweep <= 0) return;
    const P2 c = map(arc.centre, context);
    const P2 u = minus(map(arc.centre + arc.u, context), c);
    const P2 v = minus(map(arc.centre + arc.v, context), c);
    const double radius = std::max(std::hypot(u.x, u.y), std::hypot(v.x, v.y));
    if (!std::isfinite(radius)) return;
    const double flat = sink_.flatness();
    double step = shapes::kTwoPi / 64;
    if (flat > 0 && radius > flat) step = 2 * std::acos(1 - flat / radius);
    if (flat > 0 && radius <= flat) step = sweep;
    const auto steps = static_cast<int>(std::clamp(std::ceil(sweep / step), 1.0, 4096.0));
    const auto at = [&](double t) { return plus(c, plus(scaled(u, std::cos(t)), scaled(v, std::sin(t)))); };
    P2 previous = at(arc.t0);
    for (int k = 1; k <= steps; ++k) {
        const P2 next = at(arc.t0 + sweep * k / steps);
        sink_.segment(previous, next);
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
        const int steps = std::clamp(static_cast<int>(std::ceil(h)), 8, 256);
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
        sink_.segment(a, b);
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

void Painter::drawPolyline(const Database& db, EntityId id, const EntityRecord& e, const Context& context, const Rgb& colour) {
    const bool light = e.type() == "LWPOLYLINE";
    const std::int64_t flags = e.integer(70, 0);
    if (!light && (flags & shapes::kPolyfaceMesh)) return drawPolyface(db, id, context);
    // A constant width is drawn as a wide pen.
    const double width = light ? e.real(43, 0.0) : (e.real(40, 0.0) == e.real(41, 0.0) ? e.real(40, 0.0) : 0.0);
    if (width > 0 && std::isfinite(width)) {
        const P2 o = map({0, 0, 0}, context);
        const P2 x = minus(map({1, 0, 0}, context), o);
        const P2 y = minus(map({0, 1, 0}, context), o);
        sink_.pen(colour, width * std::sqrt(std::fabs(x.x * y.y - x.y * y.x)));
    }
    shape_.clear();
    if (light) shapes::addLwPolylineShape(e, shape_);
    else shapes::addPolylineShape(db, id, e, shape_);
    emitShape(shape_, context, false, true);
}

bool Painter::drawSpline(const EntityRecord& e, const Context& context) {
    // Twelve chords a span: a span bends less than a quarter turn in the
    // curves drawings hold.
    if (!splinePoints(e, 12, curve_)) return false;
    for (std::size_t i = 1; i < curve_.size(); ++i) sink_.segment(map(curve_[i - 1], context), map(curve_[i], context));
    return true;
}

// The box the host measures the text by (lower left, lower right, upper
// right, upper left); null when there is none, or when only its place
// counts and it has been given.
const std::vector<V3>* Painter::textBox(const EntityRecord& e, const Context& context) {
    shape_.clear();
    shapes::addTextShape(e, shape_);
    if (shape_.areas.empty() || shape_.areas.front().size() != 4) return nullptr;
    if (!sink_.measuring()) return &shape_.areas.front();
    emitPolygon(shape_.areas.front(), context);
    return nullptr;
}

void Painter::drawText(const EntityRecord& e, const Context& context) {
    const std::vector<V3>* found = textBox(e, context);
    if (!found) return;
    const auto& box = *found;
    const std::string_view text = e.text(1);
    const std::size_t cells = geom::textCells(text);
    if (cells == 0) return;
    const P2 origin = map(box[0], context);
    const TextFrame frame{origin, scaled(minus(map(box[1], context), origin), 1.0 / static_cast<double>(cells)),
                          minus(map(box[3], context), origin)};
    drawTextLine(text, frame, sink_);
}

void Painter::drawMText(const EntityRecord& e, const Context& context) {
    const std::vector<V3>* found = textBox(e, context);
    if (!found) return;
    const auto& box = *found;
    const double boxWidth = shapes::norm(box[1] - box[0]);
    const double boxHeight = shapes::norm(box[3] - box[0]);
    const double height = e.real(40, 1.0);
    if (!(boxWidth > 0) || !(boxHeight > 0) || !(height > 0)) return;
    std::string content;
    for (const auto& g : e.groups()) {
        if (g.code == 3) content += g.text;
    }
    content += e.text(1);
    const double spacing = height * 5.0 / 3.0 * e.real(44, 1.0);
    const int attachment = std::clamp(static_cast<int>(e.integer(71, 1)), 1, 9);
    const double fx = ((attachment - 1) % 3) * 0.5;
    const P2 origin = map(box[0], context);
    const P2 along = minus(map(box[1], context), origin);
    const P2 up = minus(map(box[3], context), origin);
    const std::vector<std::string> lines = mtextLines(content, height, e.real(41, 0.0));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const double cells = static_cast<double>(lines[k].size());
        const double x = fx * (boxWidth - cells * height);
        const double baseline = boxHeight - height - static_cast<double>(k) * spacing;
        TextFrame frame;
        frame.origin = plus(origin, plus(scaled(along, x / boxWidth), scaled(up, baseline / boxHeight)));
        frame.across = scaled(along, height / boxWidth);
        frame.up = scaled(up, height / boxHeight);
        drawTextLine(lines[k], frame, sink_);
    }
}

void Painter::drawInsert(const Database& db, EntityId id, const EntityRecord& e, const Context& context,
                         const LayerLook* layer, const Rgb& colour) {
    if (e.integer(66, 0) == 1) {
        for (const EntityId sub : subEntities(db, id)) {
            EntityRecord attribute(db, sub);
            const LayerLook* attributeLayer = nullptr;
            Rgb attributeColour;
            if (attribute.type() != "ATTRIB" || (attribute.integer(70, 0) & 1)) continue;
            if (!resolve(attribute, context, attributeLayer, attributeColour)) continue;
            sink_.pen(attributeColour, 0);
            drawText(attribute, context);
        }
        sink_.pen(colour, 0);
    }
    const Block* block = e.type() == "INSERT" || e.type() == "DIMENSION" ? blocks_.find(e.text(2)) : nullptr;
    if (!block || context.depth >= kDeepestBlock) return;
    if (std::find(open_.begin(), open_.end(), block) != open_.end()) return;

    Context inner;
    inner.identity = false;
    inner.layer = layer;
    inner.byBlock = colour;
    inner.depth = context.depth + 1;
    if (e.type() == "DIMENSION") {
        // A dimension's block is drawn where it stands.
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
    EntityRecord& e = records_[static_cast<std::size_t>(context.depth)];
    e.load(db, id);
    const std::string_view type = e.type();
    if (isFollower(type) || type == "ATTDEF" || e.paperSpace()) return;
    const LayerLook* layer = nullptr;
    Rgb colour;
    if (!resolve(e, context, layer, colour)) return;
    sink_.pen(colour, 0);
    if (type == "LINE") return sink_.segment(map(e.point(10), context), map(e.point(11), context));
    if (type == "POINT") return drawPoint(e, context);
    if (type == "3DFACE") return drawFace(e, context);
    if (type == "LWPOLYLINE" || type == "POLYLINE") return drawPolyline(db, id, e, context, colour);
    if (type == "TEXT") return drawText(e, context);
    if (type == "MTEXT") return drawMText(e, context);
    if (type == "INSERT" || type == "DIMENSION") return drawInsert(db, id, e, context, layer, colour);
    if (type == "SPLINE" && drawSpline(e, context)) return;
    shape_.clear();
    if (type == "SOLID" || type == "TRACE") shapes::addLinearShape(e, shape_);
    if (type == "CIRCLE" || type == "ARC" || type == "ELLIPSE" || type == "SPLINE") shapes::addCurveShape(e, shape_);
    emitShape(shape_, context, true, false);
}

}  // namespace zcad::render

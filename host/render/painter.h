// Draws a drawing's model space on a sink: each entity in its colour,
// linetype and lineweight, in plan (z left out), INSERTs through their
// blocks, hidden layers left out.
#pragma once

#include <deque>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "blocks.h"
#include "hatch.h"
#include "linetype.h"
#include "sink.h"
#include "shapes/entity_record.h"
#include "shapes/geometry.h"

namespace zcad::render {

struct MTextLayout;

// Block coordinates to the drawing's: rows of x, y, z with the shift last.
struct Placement {
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    shapes::V3 apply(const shapes::V3& p) const;
    shapes::V3 applyLinear(const shapes::V3& v) const;
    Placement then(const Placement& outer) const;  // this first, then outer
};

// How the picture looks as a whole.
struct PaintStyle {
    Rgb ground{255, 255, 255};
    Rgb ink{0, 0, 0};  // colour 7, and what would not show on the ground
    // The picture's size: points drawn at a share of the view take it, and
    // lines that run for ever end past it.
    double pictureWidth = 1600;
    double pictureHeight = 1200;
    // Picture units to a millimetre of lineweight; 0 draws every line thin.
    double unitsPerMm = 0;
};

// The colour a layer's entities take by layer, as the picture shows it.
Rgb layerColour(const Database& drawing, std::string_view name, const PaintStyle& style);

class Painter {
public:
    Painter(const Database& drawing, BlockLibrary& blocks, Sink& sink, const PaintStyle& style);

    void drawAll();
    // The model-space entities with ids from `first` up to `last`.
    void drawRange(EntityId first, EntityId last);
    void drawSome(std::span<const EntityId> ids);

private:
    // Lineweights in hundredths of a millimetre, and what stands for one.
    static constexpr int kByLayer = -1;
    static constexpr int kByBlock = -2;
    static constexpr int kDefaultWeight = -3;

    struct LayerLook {
        std::string name;
        bool shown = true;
        Rgb colour;
        const LinePattern* linetype = nullptr;
        int lineweight = kDefaultWeight;
    };
    // What an entity is drawn with.
    struct Look {
        Rgb colour;
        const LinePattern* linetype = nullptr;
        int lineweight = kDefaultWeight;
    };
    // What an entity inside a block takes from the INSERT that shows it.
    struct Context {
        Placement place;
        bool identity = true;
        const LayerLook* layer = nullptr;  // for entities on layer 0
        Look byBlock;
        int depth = 0;
    };

    void drawEntity(const Database& db, EntityId id, const Context& context);
    void drawKind(const Database& db, EntityId id, const shapes::EntityRecord& e, const Context& context,
                  const LayerLook* layer, const Look& look);
    const LayerLook& layerLook(std::string_view name);
    const LinePattern* linetype(std::string_view name);
    bool resolve(const shapes::EntityRecord& e, const Context& context, const LayerLook*& layer, Look& look);
    double penWidth(const Look& look) const;
    void startPattern(const shapes::EntityRecord& e, const Look& look);

    P2 map(const shapes::V3& p, const Context& context) const;
    PlaneMap plane(const shapes::Ocs& ocs, double elevation, const Context& context) const;
    // Lines drawn in the entity's linetype.
    void line(const P2& from, const P2& to) { dasher_.segment(from, to, sink_); }
    void emitShape(const shapes::Geometry& shape, const Context& context, bool fill, bool points);
    void emitArc(const shapes::ArcPiece& arc, const Context& context);
    void emitPolygon(std::span<const shapes::V3> corners, const Context& context);
    void drawPoint(const shapes::EntityRecord& e, const Context& context);
    void drawFace(const shapes::EntityRecord& e, const Context& context);
    void drawPolyline(const Database& db, EntityId id, const shapes::EntityRecord& e, const Context& context, const Look& look);
    void drawPolyface(const Database& db, EntityId id, const Context& context);
    void polylineShape(const Database& db, EntityId id, const shapes::EntityRecord& head);
    bool drawSpline(const shapes::EntityRecord& e, const Context& context);
    void drawInsert(const Database& db, EntityId id, const shapes::EntityRecord& e, const Context& context,
                    const LayerLook* layer, const Look& look);
    void drawBlock(const Block& block, const Placement& place, const Context& inner);
    const Block* findBlock(std::string_view name);

    // Texts (painter_text.cpp).
    void drawText(const shapes::EntityRecord& e, const Context& context);
    void drawMText(const shapes::EntityRecord& e, const Context& context, const Look& look);
    void drawMTextLayout(const MTextLayout& layout, const P2& origin, const P2& along, const P2& up, const Context& context,
                         const Look& look, double pen);

    // Kinds of their own (painter_kinds.cpp).
    void drawHatch(const shapes::EntityRecord& e, const Context& context, const Look& look);
    void drawDimension(const shapes::EntityRecord& e, const Context& context, const Look& look);
    void drawLeader(const shapes::EntityRecord& e, const Context& context);
    void drawMultiLeader(const shapes::EntityRecord& e, const Context& context, const Look& look);
    void drawMultiLine(const shapes::EntityRecord& e, const Context& context);
    void drawMesh(const shapes::EntityRecord& e, const Context& context);
    void drawInfinite(const shapes::EntityRecord& e, const Context& context);
    void drawFrame(const shapes::EntityRecord& e, const Context& context);
    void drawArrow(const shapes::V3& tip, const shapes::V3& tail, double size, const Context& context);

    const Database& drawing_;
    BlockLibrary& blocks_;
    Sink& sink_;
    PaintStyle style_;
    int pointMode_ = 0;
    double pointSize_ = 0;    // picture units
    double linetypeScale_ = 1;
    int defaultWeight_ = 25;
    bool metric_ = false;
    std::deque<LayerLook> layers_;
    const LayerLook* lastLayer_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<LinePattern>> linetypes_;  // by upper-case name
    std::string lastBlockName_;
    const Block* lastBlock_ = nullptr;
    std::vector<shapes::EntityRecord> records_;  // one per block depth
    shapes::Geometry shape_;
    std::vector<const Block*> open_;  // blocks being drawn, against cycles
    std::vector<P2> corners_;
    std::vector<shapes::V3> curve_;
    struct Vertex {
        shapes::V3 at;
        double bulge = 0;
        std::int64_t flags = 0;
    };
    shapes::EntityRecord vertex_;
    std::vector<Vertex> vertices_;
    Dasher dasher_;
};

}  // namespace zcad::render

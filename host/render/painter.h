// Draws a drawing's model space on a sink: each entity in its colour, in
// plan (z left out), INSERTs through their blocks, hidden layers left out.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "blocks.h"
#include "sink.h"
#include "shapes/entity_record.h"
#include "shapes/geometry.h"

namespace zcad::render {

// Block coordinates to the drawing's: rows of x, y, z with the shift last.
struct Placement {
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    shapes::V3 apply(const shapes::V3& p) const;
    shapes::V3 applyLinear(const shapes::V3& v) const;
    Placement then(const Placement& outer) const;  // this first, then outer
};

class Painter {
public:
    // `pictureHeight` in picture units sets the size of points drawn at a
    // share of the view.
    Painter(const Database& drawing, BlockLibrary& blocks, Sink& sink, bool dark, double pictureHeight);

    void drawAll();
    void drawSome(std::span<const EntityId> ids);

private:
    struct LayerLook {
        std::string name;
        bool shown = true;
        Rgb colour;
    };
    // What an entity inside a block takes from the INSERT that shows it.
    struct Context {
        Placement place;
        bool identity = true;
        const LayerLook* layer = nullptr;  // for entities on layer 0
        Rgb byBlock;
        int depth = 0;
    };

    void drawEntity(const Database& db, EntityId id, const Context& context);
    const LayerLook& layerLook(std::string_view name);
    bool resolve(const shapes::EntityRecord& e, const Context& context, const LayerLook*& layer, Rgb& colour);

    P2 map(const shapes::V3& p, const Context& context) const;
    void emitShape(const shapes::Geometry& shape, const Context& context, bool fill, bool points);
    void emitArc(const shapes::ArcPiece& arc, const Context& context);
    void emitPolygon(std::span<const shapes::V3> corners, const Context& context);
    void drawPoint(const shapes::EntityRecord& e, const Context& context);
    void drawFace(const shapes::EntityRecord& e, const Context& context);
    void drawPolyline(const Database& db, EntityId id, const shapes::EntityRecord& e, const Context& context, const Rgb& colour);
    void drawPolyface(const Database& db, EntityId id, const Context& context);
    const std::vector<shapes::V3>* textBox(const shapes::EntityRecord& e, const Context& context);
    bool drawSpline(const shapes::EntityRecord& e, const Context& context);
    void drawText(const shapes::EntityRecord& e, const Context& context);
    void drawMText(const shapes::EntityRecord& e, const Context& context);
    void drawInsert(const Database& db, EntityId id, const shapes::EntityRecord& e, const Context& context,
                    const LayerLook* layer, const Rgb& colour);
    void drawBlock(const Block& block, const Placement& place, const Context& inner);

    const Database& drawing_;
    BlockLibrary& blocks_;
    Sink& sink_;
    Rgb foreground_;
    int pointMode_ = 0;
    double pointSize_ = 0;  // picture units
    std::vector<LayerLook> layers_;
    const LayerLook* lastLayer_ = nullptr;
    std::vector<shapes::EntityRecord> records_;  // one per block depth
    shapes::Geometry shape_;
    std::vector<const Block*> open_;  // blocks being drawn, against cycles
    std::vector<P2> corners_;
    std::vector<shapes::V3> curve_;
};

}  // namespace zcad::render

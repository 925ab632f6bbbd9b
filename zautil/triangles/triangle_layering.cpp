#include "triangles/triangle_layering.h"

#include <algorithm>
#include <cstdio>

#include "arx/acedads.h"
#include "import/colour_sequence.h"
#include "import/layer_colouring.h"
#include "shell/layer_create.h"

namespace zatriangles {
namespace {

constexpr int kAspectClasses = 37;
constexpr int kMeshSlot = 9;
constexpr int kPointsSlot = 27;

std::string numbered(const char* stem, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%.3d", stem, number);
    return name;
}

}  // namespace

void TriangleLayering::usePaintNumbers(const TriangleLayerNames& names) {
    scheme_ = LayerScheme::Paint;
    for (int p = 0; p < kSlots; ++p) {
        const TriangleLayerEntry& entry = names[static_cast<std::size_t>(p)];
        slotLayers_[static_cast<std::size_t>(p)] = entry.set ? entry.name : numbered("try", p);
        named_.set(static_cast<std::size_t>(p), entry.set);
    }
}

// A name from the triangle layer file that the drawing refuses as a layer
// (a "/" in it, say) would stop the import at the first such triangle with
// no word of why: that paint number keeps its numbered layer instead.
void TriangleLayering::takeNamedLayerOrNumber(int paint) {
    std::string& layer = slotLayers_[static_cast<std::size_t>(paint)];
    if (zaEnsureLayer(layer) != ZaLayerMade::Refused) return;
    std::string fallback = numbered("try", paint);
    acutPrintf("Layer name \"%s\" of paint number %d refused, using %s\n", layer.c_str(), paint, fallback.c_str());
    layer = std::move(fallback);
}

void TriangleLayering::useSlopes(std::vector<SlopeEntry> entries, bool fromControlFile) {
    scheme_ = LayerScheme::Slope;
    fromControlFile_ = fromControlFile;
    slopes_ = std::move(entries);
    slotLayers_[0] = "0";
    // Slot k is the k-th entry from the steepest; a file of more entries
    // than slots draws them all but colours only the first 255.
    int slot = 1;
    for (auto entry = slopes_.rbegin(); entry != slopes_.rend() && slot < kSlots; ++entry, ++slot) {
        slotLayers_[static_cast<std::size_t>(slot)] = entry->layer;
    }
}

void TriangleLayering::useAspects() {
    scheme_ = LayerScheme::Aspect;
    for (int c = 0; c < kAspectClasses; ++c) slotLayers_[static_cast<std::size_t>(c)] = numbered("ang", c * 10);
}

void TriangleLayering::useMesh() {
    scheme_ = LayerScheme::Mesh;
    slotLayers_.fill("Points");
    slotLayers_[kMeshSlot] = "Mesh";
    mark(kMeshSlot);
    mark(kPointsSlot);
}

const std::string& TriangleLayering::layerOf(const UTTriangle& triangle, const ZaPoint& normal) {
    static const std::string kLayerZero = "0";
    switch (scheme_) {
    case LayerScheme::Paint:
        if (named_.test(triangle.paint) && !marked_.test(triangle.paint)) takeNamedLayerOrNumber(triangle.paint);
        mark(triangle.paint);
        return slotLayers_[triangle.paint];
    case LayerScheme::Aspect: {
        const int aspect = aspectClass(aspectDegrees(normal));
        mark(aspect);
        return slotLayers_[static_cast<std::size_t>(aspect)];
    }
    case LayerScheme::Slope: {
        const SlopeLayer found = slopeLayerOf(slopes_, slopePercent(normal));
        if (found.position < kSlots) mark(found.position);
        return found.layer ? *found.layer : kLayerZero;
    }
    case LayerScheme::Mesh:
        break;
    }
    return kLayerZero;
}

void TriangleLayering::colourMarkedSlots() const {
    zaimport::LayerColouring colouring;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!marked_.test(static_cast<std::size_t>(slot))) continue;
        // The sequence has no colour for the last paint number: it takes
        // its neighbour's, as the last band of the sequence runs in pairs.
        const auto colour = std::min<std::size_t>(static_cast<std::size_t>(slot), kZaLayerColourCount - 1);
        colouring.colour(slotLayers_[static_cast<std::size_t>(slot)], colour);
        acutPrintf("  at %d\n", slot);
    }
}

}  // namespace zatriangles

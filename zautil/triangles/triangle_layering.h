// The layers of a triangle import and their slots: by paint number, by
// slope through a layer control file, or by aspect in ten-degree classes;
// or the mesh's two layers. Each layer chosen marks its slot, and the
// colour pass colours the layer of every marked slot.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "triangles/layer_control_file.h"
#include "triangles/surface_geometry.h"
#include "triangles/triangle_layer_file.h"
#include "triangles/ut_format.h"

namespace zatriangles {

enum class LayerScheme { Paint, Slope, Aspect, Mesh };

class TriangleLayering {
public:
    static constexpr int kSlots = 256;

    // Paint number p: the name the triangle layer file gives p, else "try%.3d".
    void usePaintNumbers(const TriangleLayerNames& names);
    // The control file's entries in file order; none puts every triangle on "0".
    void useSlopes(std::vector<SlopeEntry> entries, bool fromControlFile);
    void useAspects();
    // "Mesh" and "Points", slots 9 and 27.
    void useMesh();

    LayerScheme scheme() const { return scheme_; }
    bool readControlFile() const { return fromControlFile_; }

    // The layer of a solid or face, its slot marked.
    const std::string& layerOf(const UTTriangle& triangle, const ZaPoint& normal);

    // Colours the layer of each marked slot in slot order, each reported
    // as "  at slot"; nothing at all when none is marked.
    void colourMarkedSlots() const;

    const std::bitset<kSlots>& marked() const { return marked_; }
    const std::string& slotLayer(int slot) const { return slotLayers_[static_cast<std::size_t>(slot)]; }

private:
    void mark(int slot) { marked_.set(static_cast<std::size_t>(slot)); }
    void takeNamedLayerOrNumber(int paint);

    LayerScheme scheme_ = LayerScheme::Paint;
    std::array<std::string, kSlots> slotLayers_;
    std::vector<SlopeEntry> slopes_;
    std::bitset<kSlots> marked_;
    std::bitset<kSlots> named_;  // paint numbers the triangle layer file names
    bool fromControlFile_ = false;
};

}  // namespace zatriangles

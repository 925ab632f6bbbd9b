// The triangle layer file: the layer names (and textures) the suite gives
// the paint numbers of its triangles, as XML.
//
//   <zarvo_triangle_lay>
//     <name_of_layer>
//       <layer colour="3" name="GRASS" texture="12"/>
//     </name_of_layer>
//   </zarvo_triangle_lay>
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zatriangles {

struct TriangleLayerEntry {
    bool set = false;
    std::string name;  // "not set" when the element names none
    int texture = 0;   // kept for the suite; no use here
};

using TriangleLayerNames = std::array<TriangleLayerEntry, 256>;

// The names read so far, kept while the module is loaded: a later file
// sets the paint numbers it names and leaves the others as they were.
TriangleLayerNames& triangleLayerNames();

// Where the file is looked for: "zarvo/triangle.lay" under the root of the
// current drive.
std::string triangleLayerPath();

struct TriangleLayerRead {
    bool parsed = false;  // else the text is not XML
    int records = 0;      // layer elements with a paint number 0 to 255
};

// Sets the entry of each layer element's paint number.
TriangleLayerRead readTriangleLayers(std::string_view xml, TriangleLayerNames& names);

// Reads the file at the path into the kept names, printing what it does;
// a file missing or not XML is reported and ignored.
void loadTriangleLayerFile(const std::string& path);

}  // namespace zatriangles

// An HTML page that holds the SVG of a drawing and a viewer of its own:
// pan, zoom, layers to show and hide, the pointer's drawing coordinates and
// what an entity is. Everything is in the one file, so it opens offline
// from a batch's output folder on any machine. The SVG is written between
// the head and the tail by the SVG writer.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "palette.h"
#include "view.h"

namespace zcad::render {

struct PageLayer {
    std::string name;  // host text
    Rgb colour;
    std::size_t count = 0;
};

// What the viewer needs to know of the picture besides its SVG.
struct PageFacts {
    View view;               // the drawing in picture points
    double unitsPerPoint = 10;  // the SVG's coordinate units
    double width = 1600;     // points
    double height = 1200;
    bool lineweights = false;
    std::vector<PageLayer> layers;
};

// The page up to where the SVG begins; `title` is UTF-8.
void writePageHead(std::string& out, std::string_view title, const Rgb& ground, const Rgb& ink);
// The rest: the facts, the script, the end of the page.
void writePageTail(std::string& out, const PageFacts& facts);

}  // namespace zcad::render

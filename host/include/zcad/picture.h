// Pictures of a drawing's model space: PNG, SVG or PDF, drawn with cairo,
// and an HTML page that shows the SVG with a viewer to explore it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

enum class PictureFormat { Png, Svg, Pdf, Html };

struct PictureWindow {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct PictureOptions {
    int width = 1600;  // pixels for PNG, points for SVG, PDF and the page's picture
    int height = 1200;
    bool dark = false;                     // white lines on the dark ground of a CAD screen
    bool lineweights = false;              // lines as wide as their lineweights, else all thin
    bool svgHandles = false;               // SVG: each entity an element with its handle and type
    std::optional<PictureWindow> window;   // else the extents of what is drawn
    std::optional<std::span<const EntityId>> only;  // else every model-space entity
};

constexpr int kLargestPicture = 16384;

// By the file name's extension (.png, .svg, .pdf, .html or .htm in any case).
std::optional<PictureFormat> pictureFormatOf(std::string_view path);
// "WxH" with whole numbers from 1 to kLargestPicture.
bool parsePictureSize(std::string_view text, int& width, int& height);

// What PNGOUT, SVGOUT and PDFOUT draw with (size, ground) in this session.
PictureOptions& pictureDefaults();

// Writes the picture atomically (beside the target, then renamed over it);
// false with one message in `error` when it cannot.
bool writePicture(const Database& db, const std::string& path, const PictureOptions& options, std::string& error);

}  // namespace zcad

#pragma GCC visibility pop

// acedTextBox: the box of a text list in the text's own coordinates, lower
// left at the insertion point. The box is exactly one text height tall, so a
// caller that takes the width from the diagonal gets the width back.
#include <cmath>
#include <optional>
#include <string_view>

#include "arx/acedads.h"
#include "drawing_vars.h"
#include "text_metrics.h"

namespace {

constexpr double kDefaultHeight = 2.5;

std::optional<double> positive(double v) {
    if (std::isfinite(v) && v > 0) return v;
    return std::nullopt;
}

std::optional<double> styleReal(const zcad::TableRecord* style, int code) {
    if (!style) return std::nullopt;
    const zcad::OwnedGroup* g = style->find(code);
    if (!g || g->kind != zcad::GroupKind::Real) return std::nullopt;
    return positive(g->real());
}

}  // namespace

int acedTextBox(const resbuf* list, ads_point lowerLeft, ads_point upperRight) {
    if (!list || !lowerLeft || !upperRight) return RTERROR;
    const char* text = nullptr;
    const char* styleName = nullptr;
    std::optional<double> height;
    std::optional<double> widthFactor;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        switch (rb->restype) {
            case 1: text = rb->resval.rstring; break;
            case 7: styleName = rb->resval.rstring; break;
            case 40: height = positive(rb->resval.rreal); break;
            case 41: widthFactor = positive(rb->resval.rreal); break;
            default: break;
        }
    }
    if (!text) return RTERROR;

    const zcad::Database& db = zcad::currentDatabase();
    const std::string_view name = styleName ? std::string_view{styleName} : zcad::geom::headerText(db, "$TEXTSTYLE", 7, "STANDARD");
    const zcad::TableRecord* style = db.styles().find(name);
    // A style with a fixed height (group 40 not 0) overrides the drawing's text size.
    const double h = height.value_or(styleReal(style, 40).value_or(
        positive(zcad::geom::headerReal(db, "$TEXTSIZE", 40, kDefaultHeight)).value_or(kDefaultHeight)));
    const double w = widthFactor.value_or(styleReal(style, 41).value_or(1.0));

    const zcad::geom::TextBox box = zcad::geom::measureText(text, h, w);
    lowerLeft[X] = 0;
    lowerLeft[Y] = 0;
    lowerLeft[Z] = 0;
    upperRight[X] = box.width;
    upperRight[Y] = box.height;
    upperRight[Z] = 0;
    return RTNORM;
}

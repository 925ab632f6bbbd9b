// Text measured as the host's text box does without font files: every
// character, space and punctuation included, takes one cell as wide as the
// text is high (times the width factor). A fixed pitch keeps justified text
// predictable in a headless host.
#pragma once

#include <cstddef>
#include <string_view>

namespace zcad::geom {

// Visible cells of a single-line text: %%d, %%c, %%p, %%% and %%nnn draw
// one character; %%o and %%u only switch over- and underscore.
std::size_t textCells(std::string_view text);

struct TextBox {
    double width = 0;
    double height = 0;
};

TextBox measureText(std::string_view text, double height, double widthFactor);

}  // namespace zcad::geom

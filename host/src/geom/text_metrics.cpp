#include "text_metrics.h"

namespace zcad::geom {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t textCells(std::string_view text) {
    std::size_t cells = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
            ++cells;
            ++i;
            continue;
        }
        const char code = text[i + 2];
        if (code == 'o' || code == 'O' || code == 'u' || code == 'U') {
            i += 3;
            continue;
        }
        if (i + 4 < text.size() && isDigit(code) && isDigit(text[i + 3]) && isDigit(text[i + 4])) {
            ++cells;
            i += 5;
            continue;
        }
        ++cells;
        i += 3;
    }
    return cells;
}

TextBox measureText(std::string_view text, double height, double widthFactor) {
    return {static_cast<double>(textCells(text)) * height * widthFactor, height};
}

}  // namespace zcad::geom

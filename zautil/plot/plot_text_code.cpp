#include "plot/plot_text_code.h"

#include <cmath>

namespace {

// DXF's 72 and 73 of a TEXT.
constexpr int kLeft = 0;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
constexpr int kMiddleDigit = 1;
constexpr int kTopDigit = 2;
constexpr int kAttachments = 9;

int verticalDigit(int vertical) {
    if (vertical == 2) return kMiddleDigit;
    if (vertical == 3) return kTopDigit;
    return 0;  // baseline, and bottom, which the suite has not got
}

// The rotation of an MTEXT: its angle when it has one, else the direction
// of its x axis (group 11).
double mtextRadians(const ZaPlotEntity& text) {
    if (text.has50 || !text.at11) return text.value50;
    const double x = text.at11[0];
    const double y = text.at11[1];
    return x == 0.0 && y == 0.0 ? 0.0 : std::atan2(y, x);
}

}  // namespace

int zaTextJustificationCode(int horizontal, int vertical) {
    if (horizontal >= kLeft && horizontal <= kRight) return horizontal * 10 + verticalDigit(vertical);
    if (horizontal == kMiddle) return 10 + kMiddleDigit;
    return 0;
}

int zaMTextJustificationCode(int attachment) {
    if (attachment < 1 || attachment > kAttachments) attachment = 1;
    const int row = (attachment - 1) / 3;  // top, middle, bottom
    const int column = (attachment - 1) % 3;
    return column * 10 + (kTopDigit - row);
}

ZaPlotTextPlace zaPlotTextPlace(const ZaPlotEntity& text) {
    if (text.kind == ZaPlotKind::MText) {
        return {zaMTextJustificationCode(text.value71), text.at10, mtextRadians(text)};
    }
    const int code = zaTextJustificationCode(text.value72, text.value73);
    const double* at = code != 0 && text.at11 ? text.at11 : text.at10;
    return {code, at, text.value50};
}

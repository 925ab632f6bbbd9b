#include "geom/text_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(TextMetrics, ControlCodesCountAsTheCharacterTheyDraw) {
    EXPECT_EQ(zcad::geom::textCells("12%%d"), 3u);
    EXPECT_EQ(zcad::geom::textCells("%%c50"), 3u);
    EXPECT_EQ(zcad::geom::textCells("%%P0.5"), 4u);
    EXPECT_EQ(zcad::geom::textCells("100%%%"), 4u);
    EXPECT_EQ(zcad::geom::textCells("%%065B"), 2u);
    EXPECT_EQ(zcad::geom::textCells("%%uab%%u"), 2u);  // toggles draw nothing
    EXPECT_EQ(zcad::geom::textCells("5%%"), 3u);       // nothing follows: plain percents
}

}  // namespace

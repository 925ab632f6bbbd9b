#include <string>

#include "layers/pen_catalogue.h"
#include "zarvo_fixture.h"

namespace {

using PenCatalogue = ZarvoTest;

bool nearestIn(const std::string& table, std::uint32_t colour, ZaPen& pen) {
    zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(table.data(), table.size())));
    return zaNearestPenIn(lines, colour, pen);
}

// The catalogue as pen.tbl of the installation is the pen table's test.
TEST_F(PenCatalogue, TheNearestColourWinsAndAnEarlierPenWinsATie) {
    const std::string table = "1 ,0.25 ,ff0000\nnot a pen\n2 ,0.35 ,00ff00\n3 ,0.5,0000ff\n4 , 0.7 , 00ff00\n"
                              "5 ,0.18 ,00fe00\n";
    ZaPen pen;
    ASSERT_TRUE(nearestIn(table, 0x10FF10, pen));  // pen 4 is as near, pen 5 a little farther
    EXPECT_EQ(pen.pen, 2);
    EXPECT_EQ(pen.width, 0.35);
    EXPECT_EQ(pen.colour, 0x00FF00u);
    ASSERT_TRUE(nearestIn(table, 0x800080, pen));  // as far from pen 1 as from pen 3
    EXPECT_EQ(pen.pen, 1);
    EXPECT_FALSE(nearestIn("no pens\n8 0.2 000000\n", 0, pen));
}

}  // namespace

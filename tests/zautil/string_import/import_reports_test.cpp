// What URIN and TRIN deliberately do differently at the end of an import,
// on the same points.
#include <string>

#include "string_import_fixture.h"
#include "strings/tr_format.h"

using namespace zastrings;
using namespace zastringimport;

namespace {

// Lone points that only ever move west and south.
const std::vector<StringRecord> kSouthWest = {rec(0, 500, 900, 0, "KB"), rec(0, 300, 700, 0, "KB"),
                                              rec(0, 100, 200, 0, "KB")};

}  // namespace

class ImportReportsTest : public StringImportTest {};

TEST_F(ImportReportsTest, URINComparesALoweredMinimumWithNothingElse) {
    ASSERT_TRUE(importUR(writeUR("survey01.ur1", kSouthWest)));
    EXPECT_EQ(output_.find("East"), std::string::npos) << "no window, so the drawing's extents";
    EXPECT_NE(output_.find("At record 1\n"), std::string::npos);

    output_.clear();
    std::vector<StringRecord> northEast = kSouthWest;
    northEast.push_back(rec(0, 700, 950, 0, "KB"));
    ASSERT_TRUE(importUR(writeUR("survey02.ur1", northEast)));
    EXPECT_NE(output_.find("\n\n\rEast        100.000         700.000\n\rNorth       200.000         950.000\n\n"),
              std::string::npos)
        << output_;
}

TEST_F(ImportReportsTest, TRINComparesEachValueWithBothAndReportsAfterTheZoom) {
    std::string text;
    for (const StringRecord& r : kSouthWest) appendTRLine(text, r.stringNumber, 0, r.x, r.y, r.z, r.text.view());
    importTR(write("survey01.tr1", text));
    EXPECT_NE(output_.find("\nEast        100.000         500.000\n\nNorth       200.000         900.000\n\n"),
              std::string::npos)
        << output_;
    EXPECT_NE(output_.find("\r at record 2 \n"), std::string::npos);
}

// The RV name and values that would break a column (the HAL and RV files
// to the character are the command's test).
#include "alignment/hal_files.h"

#include <gmock/gmock.h>

#include <limits>

namespace {

ZaAlignmentVertex rec(double x, double y, double radius, double chainage = 0, double z = 0) {
    return {x, y, z, radius, chainage};
}

// Straight, curve of radius 10, straight: as the path computation leaves it.
const ZaAlignment kPegged = {rec(0, 0, 0, 0, 1), rec(20, 0, kZaTangentPoint, 20, 2), rec(30, 0, 10, 27.854, 2),
                             rec(30, 10, kZaTangentPoint, 35.708, 3), rec(30, 30, 0, 55.708, 4)};

TEST(HalFiles, TheRVFileIsNamedAfterTheHALFile) {
    EXPECT_EQ(zaRvFileName("/jobs/road0001.H1b"), "/jobs/road0001.rvb");
    EXPECT_EQ(zaRvFileName("/jobs.d/road0001.h1AB"), "/jobs.d/road0001.rvAB");
}

TEST(HalFiles, AValueTooWideForItsColumnOrNoNumberIsFound) {
    EXPECT_EQ(zaFirstUnfitRecord(kPegged, true), nullptr);
    ZaAlignment wide = kPegged;
    wide[4].x = -10000000.0;  // 15 characters with five decimals
    EXPECT_EQ(zaFirstUnfitRecord(wide, false), &wide[4]);
    wide[4].x = 99999999.99999;
    wide[0].x = -9999999.99999;
    EXPECT_EQ(zaFirstUnfitRecord(wide, false), nullptr);
    wide[2].bulgeOrRadius = 2.5e8;
    EXPECT_EQ(zaFirstUnfitRecord(wide, false), &wide[2]);

    ZaAlignment levels = kPegged;
    levels[3].z = 1e10;  // a tangent point's level goes to the RV file only
    EXPECT_EQ(zaFirstUnfitRecord(levels, false), nullptr);
    EXPECT_EQ(zaFirstUnfitRecord(levels, true), &levels[3]);
    levels[3].z = std::numeric_limits<double>::infinity();
    EXPECT_EQ(zaFirstUnfitRecord(levels, false), &levels[3]);
}

}  // namespace

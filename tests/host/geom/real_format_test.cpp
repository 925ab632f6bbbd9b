#include "geom/real_format.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

using zcad::geom::LinearUnit;

std::string fmt(double value, LinearUnit unit, int precision) {
    std::string out;
    EXPECT_TRUE(zcad::geom::formatReal(value, unit, precision, out)) << value;
    return out;
}

TEST(RealFormat, DecimalRoundsHalfAwayFromZeroOnTheTypedValue) {
    EXPECT_EQ(fmt(17.5, LinearUnit::Decimal, 4), "17.5000");
    EXPECT_EQ(fmt(3, LinearUnit::Decimal, 0), "3");
    EXPECT_EQ(fmt(-2.5, LinearUnit::Decimal, 0), "-3");
    EXPECT_EQ(fmt(2.675, LinearUnit::Decimal, 2), "2.68");  // 2.67499999... in binary
    EXPECT_EQ(fmt(2.674999, LinearUnit::Decimal, 2), "2.67");
    EXPECT_EQ(fmt(9.9995, LinearUnit::Decimal, 3), "10.000");
    EXPECT_EQ(fmt(0.6, LinearUnit::Decimal, 0), "1");
    EXPECT_EQ(fmt(0.05, LinearUnit::Decimal, 1), "0.1");
    EXPECT_EQ(fmt(1.5e-7, LinearUnit::Decimal, 8), "0.00000015");
    EXPECT_EQ(fmt(1e20, LinearUnit::Decimal, 1), "100000000000000000000.0");  // never an exponent
}

TEST(RealFormat, NeverWritesMinusZero) {
    EXPECT_EQ(fmt(-0.0, LinearUnit::Decimal, 2), "0.00");
    EXPECT_EQ(fmt(-0.0004, LinearUnit::Decimal, 3), "0.000");
    EXPECT_EQ(fmt(-0.0, LinearUnit::Scientific, 2), "0.00E+00");
    EXPECT_EQ(fmt(-0.001, LinearUnit::Engineering, 2), "0'-0.00\"");
    EXPECT_EQ(fmt(-0.001, LinearUnit::Architectural, 4), "0'-0\"");
}

TEST(RealFormat, OtherUnitsFollowTheHostAndCarry) {
    EXPECT_EQ(fmt(17.5, LinearUnit::Scientific, 4), "1.7500E+01");
    EXPECT_EQ(fmt(17.5, LinearUnit::Engineering, 4), "1'-5.5000\"");
    EXPECT_EQ(fmt(17.5, LinearUnit::Architectural, 4), "1'-5 1/2\"");
    EXPECT_EQ(fmt(17.5, LinearUnit::Fractional, 4), "17 1/2");
    EXPECT_EQ(fmt(9.99999, LinearUnit::Scientific, 2), "1.00E+01");
    EXPECT_EQ(fmt(-0.00012345, LinearUnit::Scientific, 3), "-1.235E-04");
    EXPECT_EQ(fmt(23.99999, LinearUnit::Engineering, 2), "2'-0.00\"");  // never 12 inches
    EXPECT_EQ(fmt(12.05, LinearUnit::Engineering, 2), "1'-0.05\"");
    EXPECT_EQ(fmt(11.97, LinearUnit::Architectural, 4), "1'-0\"");
    EXPECT_EQ(fmt(0.5, LinearUnit::Architectural, 4), "0'-0 1/2\"");
    EXPECT_EQ(fmt(-3.75, LinearUnit::Fractional, 8), "-3 3/4");
    EXPECT_EQ(fmt(0.5, LinearUnit::Fractional, 4), "1/2");
}

TEST(RealFormat, RefusesWhatItCannotWrite) {
    std::string out;
    EXPECT_FALSE(zcad::geom::formatReal(std::numeric_limits<double>::quiet_NaN(), LinearUnit::Decimal, 2, out));
    EXPECT_FALSE(zcad::geom::formatReal(std::numeric_limits<double>::infinity(), LinearUnit::Decimal, 2, out));
    EXPECT_FALSE(zcad::geom::formatReal(1, LinearUnit::Decimal, 9, out));
    EXPECT_FALSE(zcad::geom::formatReal(1e300, LinearUnit::Engineering, 2, out));
    EXPECT_FALSE(zcad::geom::formatReal(1e300, LinearUnit::Fractional, 2, out));
    EXPECT_TRUE(zcad::geom::formatReal(1e300, LinearUnit::Decimal, 0, out));
    EXPECT_EQ(out.size(), 301u);
}

}  // namespace

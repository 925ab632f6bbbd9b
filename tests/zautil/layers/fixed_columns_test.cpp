#include <gtest/gtest.h>

#include <limits>

#include "layers/fixed_columns.h"

namespace {

TEST(FixedLine, FieldsAlignInTheirColumnsAndTooLongOnesAreCutAsTheSuiteCutsThem) {
    ZaFixedLine line(20);  // 18 columns
    line.putInt(0, 4, -12);
    line.putString(4, 6, "Kerb");
    line.putReal(10, 8, 2.5);
    EXPECT_EQ(line.text(), " -12Kerb       2.5");
    line.clear();
    line.putInt(0, 3, 12345);          // the integer's tail
    line.putReal(3, 5, 1234.56789);    // the real's head
    line.putString(8, 4, "ROADCENTRE");
    line.putString(16, 10, "abcdef");  // nothing past the line
    line.putReal(40, 5, 1.0);
    EXPECT_EQ(line.text(), "3451234.ROAD    ab");
}

TEST(FixedLine, RealsHaveNineSignificantDigitsAndWholeOnesKeepTheirPoint) {
    EXPECT_EQ(zaGeneralReal(100), "100.");
    EXPECT_EQ(zaGeneralReal(0.35), "0.35");
    EXPECT_EQ(zaGeneralReal(6543210.123456), "6543210.12");
    EXPECT_EQ(zaGeneralReal(1e10), "1.e+10");
    EXPECT_EQ(zaGeneralReal(1.5e-7), "1.5e-07");
}

TEST(FixedFields, ReadAsTheCLibraryReadsThem) {
    const std::string_view line = "  12  -3.5e2abc  x";
    EXPECT_EQ(zaGetIntField(line, 0, 3), 1);  // the range cuts the number
    EXPECT_DOUBLE_EQ(zaGetRealField(line, 4, 9), -350.0);
    EXPECT_EQ(zaGetIntField(line, 13, 5), 0);
    EXPECT_EQ(zaGetIntField(line, 50, 4), 0);  // past the end of the line
    EXPECT_DOUBLE_EQ(zaGetRealField(line, 11, std::string_view::npos), 2.0);
    EXPECT_EQ(zaGetIntField("99999999999", 0, 11), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(zaGetStringField("   ROAD  \t\r", 0, 11), "ROAD");
    EXPECT_EQ(zaGetStringField("ab  cd  ", 0, 8), "ab  cd");
    EXPECT_EQ(zaGetStringField("short", 3, 12), "rt");
    EXPECT_EQ(zaGetStringField("short", 9, 12), "");
}

}  // namespace

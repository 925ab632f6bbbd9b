// The plot file writer, read back through the reader's own columns.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "plot/plot_layout.h"
#include "plot/plot_writer.h"
#include "plot_export_fixture.h"

namespace {

// The wide layout written by hand: type 0-1, code 2-4, then four reals of
// 14, a blank, the count in 3 and the end angle in 14.
std::string wideLine(int type, const char* code, const char* x, const char* y, const char* z = "", const char* a = "",
                     const char* count = "", const char* end = "") {
    char line[96];
    std::snprintf(line, sizeof line, "%2d%3s%14s%14s%14s%14s %3s%14s", type, code, x, y, z, a, count, end);
    return line;
}

class PlotWriter : public ZarvoTest {
protected:
    std::vector<std::string> write(void (*records)(ZaPlotWriter&)) {
        ZaPlotWriter writer;
        EXPECT_TRUE(writer.open(dir_ + "out.p01"));
        records(writer);
        EXPECT_TRUE(writer.finish()) << writer.failureReason();
        return plotLines(read(dir_ + "out.p01"));
    }
};

TEST_F(PlotWriter, HeaderRecordsAndTheEndInTheirColumns) {
    const auto lines = write([](ZaPlotWriter& w) {
        w.codes(3, 1, 57);
        w.move(100, 1234567.891);
        w.draw(-0.5, 2e-7);
        w.circle(50, 60, 5);
        w.arc(60, 60, 4, 0, 1.5707963267948966);
        w.text(1, 5, 6, 2.5, 90, "Hello");
    });
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "12" + std::string(61, ' '));  // 63 columns, as the suite's header lines
    EXPECT_EQ(lines[1], " 3  0" + std::string(58, ' '));
    EXPECT_EQ(lines[4], wideLine(3, "3", "", ""));
    EXPECT_EQ(lines[6], wideLine(5, "57", "", ""));
    // Nine significant digits; a whole number keeps its point.
    EXPECT_EQ(lines[7], wideLine(1, "", "100.", "1234567.89"));
    EXPECT_EQ(lines[8], wideLine(2, "", "-0.5", "2.e-07"));
    EXPECT_EQ(lines[9], wideLine(8, "", "50.", "60.", "5."));
    // All 79 columns: the end angle's last digits are not lost to the line end.
    EXPECT_EQ(lines[10], wideLine(9, "", "60.", "60.", "4.", "0.", "", "1.57079633"));
    EXPECT_EQ(lines[11], wideLine(6, "01", "5.", "6.", "2.5", "90.", "1"));
    EXPECT_EQ(lines[12], "Hello");
    EXPECT_EQ(lines[13], "00");
    for (std::size_t i = 4; i < 12; ++i) EXPECT_EQ(lines[i].size(), 79u) << i;
}

// Values whose nine digits need more than fourteen columns lose digits, not
// their exponent or sign: cutting "-3.46944695e-18" would read -0.346944695.
TEST_F(PlotWriter, AValueTooWideForItsColumnsKeepsItsMeaning) {
    const double values[] = {-3.4694469519536142e-18, -1234567891234.5, 1.2345678912e+300, -1.2345678912e-300};
    ZaPlotWriter writer;
    ASSERT_TRUE(writer.open(dir_ + "wide.p01"));
    for (const double v : values) writer.arc(v, v, v, v, v);
    ASSERT_TRUE(writer.finish());
    const auto lines = plotLines(read(dir_ + "wide.p01"));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string& line = lines[4 + i];
        for (const ZaPlotField field : {ZaPlotField::X, ZaPlotField::Y, ZaPlotField::Z, ZaPlotField::Angle,
                                        ZaPlotField::EndAngle}) {
            const double back = kZaWidePlotLayout.real(line, field);
            EXPECT_NEAR(back / values[i], 1.0, 1e-7) << line;
        }
    }
}

}  // namespace

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "strings/tr_format.h"

using namespace zastrings;

namespace {

// The line as the suite's writer formats it, with the line end of its platform.
std::string printfLine(int string, int point, double x, double y, double z, const std::string& text) {
    const char* notes = text.size() > 4 ? text.c_str() + 4 : "";
    std::vector<char> buffer(1024);
    const int size = std::snprintf(buffer.data(), buffer.size(), "%6d%6d%13.4f%13.4f%10.4f %-4.4s %.16s", string, point,
                                   x, y, z, text.c_str(), notes);
    std::string line(buffer.data(), std::min<std::size_t>(static_cast<std::size_t>(size), kTRLineLimit));
    return line + "\r\n";
}

std::string line(int string, int point, double x, double y, double z, const std::string& text) {
    std::string out;
    appendTRLine(out, string, point, x, y, z, text);
    return out;
}

// A line as the reader hands it over: without its line end.
StringRecord parse(std::string_view text) {
    if (text.ends_with("\r\n")) text.remove_suffix(2);
    StringRecord record;
    parseTRLine(text, record);
    return record;
}

}  // namespace

TEST(TRFormat, DataLinesMatchTheSuitesPrintfLayout) {
    std::vector<double> values = {0.0,        -0.0,        1.0,         -1.0,        0.03125,     0.00005,
                                  0.00015,    2.5e-5,      -2.5e-5,     123.45675,   99999.99994, 99999.99995,
                                  100000.0,   -9999.9999,  -10000.0,    99999999.9,  1e8,         -1e7,
                                  1e15,       1e300,       -1e300,      5e-324,      std::nan(""), -std::nan(""),
                                  INFINITY,   -INFINITY,   300123.4567, 6200000.1234};
    std::uint64_t state = 12345;
    for (int i = 0; i < 2000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double magnitude = std::pow(10.0, static_cast<double>(state >> 60) - 6);
        values.push_back(magnitude * (static_cast<double>(state >> 11 & 0xFFFFF) / 65536.0 - 8.0));
    }
    const std::vector<std::string> texts = {"", "A", "AB", "ROAD", "ROADX", "RD  S 12", "ABCD0123456789ABCDEF",
                                            "ABCD0123456789ABCDEFGHIJKL", "50%d%s%n"};
    const std::vector<int> numbers = {0, 1, -1, 99999, 123456, 999999, 1000000, -99999, INT32_MIN, INT32_MAX};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = values[i], y = values[(i * 7 + 3) % values.size()], z = values[(i * 13 + 5) % values.size()];
        const int s = numbers[i % numbers.size()], p = numbers[(i / 3) % numbers.size()];
        const std::string& text = texts[i % texts.size()];
        ASSERT_EQ(line(s, p, x, y, z, text), printfLine(s, p, x, y, z, text)) << x << " " << y << " " << z;
    }
}

TEST(TRFormat, KeepsEachLineWholeAndEndsTextsAtNul) {
    EXPECT_EQ(kTRHeaderLine, "Zarvo\tVersion 2.2 and over\tFrom AutoCAD 2000 Interface\r\n");
    EXPECT_EQ(line(1, 1, 1, 2, 3, std::string("RD\0XY", 5)),
              "     1     1       1.0000       2.0000    3.0000 RD   \r\n");
    // An absurd width is cut, but the line keeps its end.
    const std::string wide = line(1, 1, 1e200, 0, 0, "RD");
    EXPECT_EQ(wide.size(), kTRLineLimit + 2);
    EXPECT_EQ(wide.substr(wide.size() - 2), "\r\n");
}

TEST(TRFormat, TellsDataLinesByTheirFirstSevenColumns) {
    EXPECT_TRUE(isTRDataLine("     0     5       1.0000"));
    EXPECT_TRUE(isTRDataLine("1234567"));
    for (const char* text : {"      ", "    -1     5", "Zarvo\tVersion 2.2 and over", "\t     0     5"})
        EXPECT_FALSE(isTRDataLine(text)) << text;
}

TEST(TRFormat, ReadsFieldsByColumn) {
    auto record = parse(line(17, 5, 300123.4567, 6200000.1234, 99.9999, "RD  0123456789ABCDEF"));
    EXPECT_EQ(record.stringNumber, 17);
    EXPECT_EQ(record.pointNumber, 0);  // not read
    EXPECT_DOUBLE_EQ(record.x, 300123.4567);
    EXPECT_DOUBLE_EQ(record.y, 6200000.1234);
    EXPECT_DOUBLE_EQ(record.z, 99.9999);
    EXPECT_EQ(record.text.view(), "RD  0123456789AB");  // only 12 notes are read

    // A code shorter than 4 characters ends the text.
    EXPECT_EQ(parse("     1     1       1.0000       2.0000    3.0000 AB").text.view(), "AB");
    EXPECT_EQ(parse("     1     1       1.0000       2.0000    3.0000 ROAD").text.view(), "ROAD");
    // Fields past the end of the line read as empty.
    record = parse("    42     1       1.5000");
    EXPECT_EQ(record.stringNumber, 42);
    EXPECT_EQ(record.x, 1.5);
    EXPECT_EQ(record.y, 0.0);
    EXPECT_EQ(record.text.view(), "");
    // A z of 100000 or more widens its column and shifts the code.
    record = parse(line(1, 1, 1, 2, 100000, "ROAD"));
    EXPECT_EQ(record.z, 100000.0);
    EXPECT_EQ(record.text.view(), " ROA ");  // the shifted separator lands in the notes
    record = parse(line(1, 1, 1, 2, 99999.9999, "ROAD"));
    EXPECT_EQ(record.z, 99999.9999);
    EXPECT_EQ(record.text.view(), "ROAD");
}

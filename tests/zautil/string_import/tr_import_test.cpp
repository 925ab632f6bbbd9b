// TRIN's import: header or none, strings of one line, layers per line, and
// the good and bad line counts.
#include <gmock/gmock.h>

#include <string>

#include "string_import_fixture.h"
#include "strings/tr_format.h"

using namespace zastrings;
using namespace zastringimport;

namespace {

std::string trLines(std::initializer_list<StringRecord> records) {
    std::string text;
    for (const StringRecord& r : records) appendTRLine(text, r.stringNumber, 0, r.x, r.y, r.z, r.text.view());
    return text;
}

}  // namespace

class TRImportTest : public StringImportTest {};

TEST_F(TRImportTest, EachEntityTakesTheLayerOfItsOwnLine) {
    const std::string body = trLines({rec(7, 10, 20, 3.5, "RD"), rec(7, 11, 21, 4, "KB"), rec(7, 12, 22, 5, "FP"),
                                      rec(0, 1, 1, 1, "TREE"), rec(8, 5, 5, 9, "WM")});
    ASSERT_TRUE(importTR(write("survey01.tr1", std::string(kTRHeaderLine) + body))) << error_;
    // A string of one line stays a polyline.
    EXPECT_EQ(drawn(), "POLYLINE@RD VERTEX@RD VERTEX@KB VERTEX@FP SEQEND@FP POINT@TREE "
                       "POLYLINE@WM VERTEX@WM SEQEND@WM");
    const auto all = storedEntities();
    // A 2D header lies at the string's first point, so at its level.
    EXPECT_EQ(all[0].point(10), (ZaPoint{10, 20, 3.5}));
    EXPECT_EQ(all[0].integer(70), 0);
    EXPECT_THAT(error_, testing::StartsWith("\nPoints converted 5   Time "));
    EXPECT_NE(output_.find("\nTR Completed 5"), std::string::npos);

    // The same lines without the header read alike, here as 3D polylines.
    zcad::test::resetHost();
    ASSERT_TRUE(importTR(write("survey02.tr1", body), true));
    const auto again = storedEntities();
    ASSERT_EQ(again.size(), 9u);
    EXPECT_EQ(again[0].at(10), nullptr);
    EXPECT_EQ(again[0].integer(70), 8);
    EXPECT_EQ(again[1].integer(70), 32);
    EXPECT_EQ(again[3].point(10), (ZaPoint{12, 22, 5}));
}

TEST_F(TRImportTest, BadLinesAreCountedAndPassedOver) {
    const std::string text = std::string(kTRHeaderLine) + trLines({rec(0, 1, 1, 1, "KB")}) + "\r\n; note\r\n" +
                             trLines({rec(0, 2, 2, 2, "KB"), rec(0, 3, 3, 3, "KB")});
    ASSERT_TRUE(importTR(write("survey01.tr1", text)));
    EXPECT_EQ(drawn(), "POINT@KB POINT@KB POINT@KB");
    EXPECT_THAT(error_, testing::StartsWith("\nGood lines 3 bad lines 2 please check.   Time "));
}

TEST_F(TRImportTest, AHeaderAloneOrTwoLinesFail) {
    EXPECT_FALSE(importTR(write("header01.tr1", std::string(kTRHeaderLine))));
    EXPECT_EQ(error_, "Error reading first record in file '" + dir_ + "header01.tr1'\n");
    EXPECT_EQ(output_, "\nLoading TR file <" + dir_ + "header01.tr1> \n\rError TRFile  " + error_ + "\n");
    EXPECT_EQ(storedTypes(), "");
    output_.clear();
    EXPECT_FALSE(importTR(write("empty001.tr1", "")));
    EXPECT_EQ(error_, "Error reading file header '" + dir_ + "empty001.tr1'\n");
    EXPECT_NE(output_.find("\rError TRFile  " + error_ + "\n"), std::string::npos);
    output_.clear();
    EXPECT_FALSE(importTR(dir_ + "missing1.tr1"));
    EXPECT_EQ(error_, "Error opening file '" + dir_ + "missing1.tr1'\n");
    EXPECT_EQ(output_, "\n*ImportTrFile - " + error_ + "\n");
    // The last-error text holds at most 255 characters, however long the path.
    const std::string longPath = dir_ + std::string(300, 'n') + "/x.tr1";
    EXPECT_FALSE(importTR(longPath));
    EXPECT_EQ(error_, ("Error opening file '" + longPath).substr(0, 255));

    // Two lines are drawn, but too few to count as an import.
    EXPECT_FALSE(importTR(write("twoline1.tr1", trLines({rec(3, 1, 1, 1, "KB"), rec(3, 2, 2, 2, "KB")}))));
    EXPECT_EQ(drawn(), "POLYLINE@KB VERTEX@KB VERTEX@KB SEQEND@KB");
}

TEST_F(TRImportTest, ACutOrRandomFileDrawsOnlyItsWholeLines) {
    const std::string whole = std::string(kTRHeaderLine) + trLines({rec(5, 100, 200, 1, "KB"), rec(5, 110, 210, 2, "KB"),
                                                                     rec(5, 120, 220, 3, "KB"), rec(5, 7130, 230, 4, "KB")});
    // Cut inside the last line's x column.
    ASSERT_TRUE(importTR(write("cut00001.tr1", whole.substr(0, whole.size() - 45))));
    EXPECT_EQ(drawn(), "POLYLINE@KB VERTEX@KB VERTEX@KB VERTEX@KB SEQEND@KB");
    for (const Stored& e : storedEntities()) {
        if (e.type == "VERTEX") {
            EXPECT_LT(e.point(10)[0], 200.0);
        }
    }
    EXPECT_THAT(error_, testing::StartsWith("\nGood lines 3 bad lines 1 please check.   Time "));

    zcad::test::resetHost();
    output_.clear();
    std::string bytes(20000, '\0');
    std::uint32_t state = 88172645u;
    for (char& c : bytes) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    EXPECT_FALSE(importTR(write("random01.tr1", bytes)));
    EXPECT_EQ(storedTypes(), "");
    EXPECT_THAT(error_, testing::StartsWith("\nGood lines 0 bad lines "));
    EXPECT_THAT(output_, testing::Not(testing::HasSubstr("Completed")));
}

TEST_F(TRImportTest, ABreakStopsAtOnce) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += trLines({rec(1 + i / 5, i, i, 0, "KB")});
    // Reports come at good lines 2 and 11: the second poll sees the break
    // before the second string has been ended.
    zcad::test::breakAfterPolls(2);
    importTR(write("survey01.tr1", text));
    EXPECT_NE(output_.find("WARNING: User Abort: UR file partially loaded"), std::string::npos);
    EXPECT_EQ(count(storedTypes(), "VERTEX"), 5);
    EXPECT_EQ(count(storedTypes(), "SEQEND"), 1);
    EXPECT_FALSE(zcad::test::sequenceOpen());
}

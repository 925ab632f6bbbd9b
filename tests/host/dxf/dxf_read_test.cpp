// Reading: what lands in the database, and refusals of bad files.
#include <gtest/gtest.h>

#include <numbers>

#include "dxf_test_support.h"
#include "zcad/same_drawing.h"

namespace {

using namespace dxftest;

std::string lines(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* p : parts) text += std::string(p) + "\n";
    return text;
}

const std::string kR2000Header = lines({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1015", "9",
                                        "$HANDSEED", "5", "3A0", "9", "$EXTMIN", "10", "1.5", "20", "2.5", "30",
                                        "0.0", "9", "$PDMODE", "70", "3", "0", "ENDSEC"});

std::vector<zcad::Group> entity(const zcad::Database& db, zcad::EntityId id) { return zcad::decodeGroups(db.list(id)); }

TEST(DxfRead, HeaderVariablesKeepTheirOrderAndTypes) {
    std::string error;
    const auto db = zcad::readDxfText(kR2000Header + lines({"0", "EOF"}), error);
    ASSERT_TRUE(db) << error;
    ASSERT_EQ(db->header().size(), 4u);
    EXPECT_EQ(db->header()[0].name, "$ACADVER");
    EXPECT_EQ(db->header()[0].groups[0].text, "AC1015");
    const auto* ext = db->headerVar("$EXTMIN");
    ASSERT_TRUE(ext);
    EXPECT_EQ(ext->groups[0].kind, zcad::GroupKind::Point);
    EXPECT_EQ(ext->groups[0].xyz[1], 2.5);
    EXPECT_EQ(db->headerVar("$PDMODE")->groups[0].integer, 3);
    // New handles start above the file's seed.
    EXPECT_GE(db->handleSeed(), 0x3A0u);
}

TEST(DxfRead, EntitiesBecomeListsWithRadiansAndGatheredPoints) {
    std::string error;
    const auto db = zcad::readDxfText(
        lines({"0", "SECTION", "2", "ENTITIES", "0", "arc", "5", "2F", "8", "Walls", "10", "1.0", "20", "2.0", "30",
               "3.0", "40", "4.5", "50", "90.0", "51", "180", "1001", "APP", "1040", "45.0", "0", "LWPOLYLINE",
               "8", "0", "90", "2", "10", "1", "20", "2", "42", "0.5", "10", "3", "20", "4", "0", "ENDSEC", "0",
               "EOF"}),
        error);
    ASSERT_TRUE(db) << error;
    ASSERT_EQ(db->entityCount(), 2u);
    EXPECT_EQ(db->type(0), "ARC");
    EXPECT_EQ(db->handle(0), 0x2Fu);
    const auto arc = entity(*db, 0);
    EXPECT_EQ(find(arc, 5), nullptr);  // the handle lives in the index
    ASSERT_TRUE(find(arc, 10));
    EXPECT_FALSE(find(arc, 10)->flat);
    EXPECT_EQ(find(arc, 10)->xyz[2], 3.0);
    EXPECT_DOUBLE_EQ(find(arc, 50)->real(), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(find(arc, 51)->real(), std::numbers::pi);
    EXPECT_EQ(find(arc, 1040)->real(), 45.0);  // extended data is not an angle
    const auto lw = entity(*db, 1);
    ASSERT_TRUE(find(lw, 10, 1));
    EXPECT_TRUE(find(lw, 10, 1)->flat);
    EXPECT_EQ(find(lw, 10, 1)->xyz[0], 3.0);
}

TEST(DxfRead, TablesFillTheHostTablesAndReplaceTheDefaults) {
    std::string error;
    const auto db = zcad::readDxfText(
        lines({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER", "70", "1", "0", "LAYER", "5", "10", "2",
               "Kerb", "70", "0", "62", "151", "6", "DASHED", "0", "ENDTAB", "0", "TABLE", "2", "APPID", "70", "1",
               "0", "APPID", "2", "ACAD", "70", "0", "0", "ENDTAB", "0", "ENDSEC", "0", "EOF"}),
        error);
    ASSERT_TRUE(db) << error;
    ASSERT_EQ(db->layers().records().size(), 1u);
    const auto* kerb = db->layers().find("KERB");
    ASSERT_TRUE(kerb);
    EXPECT_EQ(kerb->handle, 0x10u);
    EXPECT_EQ(kerb->find(62)->integer, 151);
    // Tables the file did not have keep the new drawing's records.
    EXPECT_TRUE(db->styles().find("STANDARD"));
}

TEST(DxfRead, TextIsConvertedToTheHostEncoding) {
    std::string error;
    const auto db = zcad::readDxfText(
        lines({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1024", "0", "ENDSEC", "0", "SECTION", "2",
               "ENTITIES", "0", "TEXT", "1", "12\xC2\xB0 \xE2\x82\xAC \xE4\xB8\xAD^Jx^ y", "0", "ENDSEC", "0", "EOF"}),
        error);
    ASSERT_TRUE(db) << error;
    EXPECT_EQ(find(entity(*db, 0), 1)->text, "12\xB0 \x80 \\U+4E2D\nx^y");
}

TEST(DxfRead, PaperSpaceIsKeptOutOfTheEntityLists) {
    std::string error;
    const auto db = zcad::readDxfText(
        lines({"0", "SECTION", "2", "ENTITIES", "0", "LINE", "67", "1", "10", "0", "20", "0", "11", "1", "21", "1",
               "0", "POINT", "10", "5", "20", "5", "0", "ENDSEC", "0", "EOF"}),
        error);
    ASSERT_TRUE(db) << error;
    ASSERT_EQ(db->entityCount(), 1u);
    EXPECT_EQ(db->type(0), "POINT");
    const std::string out = zcad::writeDxfText(*db, nullptr);
    EXPECT_LT(out.find("LINE"), out.find("POINT"));
}

struct BadFile {
    const char* name;
    std::string text;
    const char* message;
};

class DxfRefuses : public ::testing::TestWithParam<BadFile> {};

TEST_P(DxfRefuses, WithOneMessageNamingTheLine) {
    std::string error;
    EXPECT_FALSE(zcad::readDxfText(GetParam().text, error));
    EXPECT_EQ(error, GetParam().message);
}

const std::string kEntities = "  0\nSECTION\n  2\nENTITIES\n";

INSTANTIATE_TEST_SUITE_P(
    BadInput, DxfRefuses,
    ::testing::Values(
        BadFile{"Truncated", kEntities + "  0\nLINE\n 10\n1.0\n 20\n", "line 9: group code 20 has no value line (the file is cut short)"},
        BadFile{"SectionRunsIntoEof", kEntities + "  0\nPOINT\n  0\nEOF\n", "line 7: section ENTITIES is not ended by ENDSEC"},
        BadFile{"RealNotANumber", kEntities + "  0\nCIRCLE\n 40\n1.5.2\n", "line 7: group 40 value \"1.5.2\" is not a number"},
        BadFile{"IntegerTooLarge", kEntities + "  0\nLINE\n 62\n99999\n", "line 7: group 62 value 99999 is out of range"},
        BadFile{"HugeCount", kEntities + "  0\nLWPOLYLINE\n 90\n2000000000\n 10\n0\n 20\n0\n  0\nENDSEC\n  0\nEOF\n",
                "line 7: LWPOLYLINE gives 2000000000 vertices (group 90) but has 1"},
        BadFile{"PointWithoutY", kEntities + "  0\nPOINT\n 10\n0\n 30\n0\n", "line 7: point group 10 is not followed by its y (group 20)"},
        BadFile{"TableWithoutEndtab", "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nVIEW\n  0\nENDSEC\n", "line 9: table VIEW is not ended by ENDTAB"},
        BadFile{"UnknownRelease", "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC2099\n  0\nENDSEC\n  0\nEOF\n", "line 7: unknown DXF release \"AC2099\" in $ACADVER"},
        BadFile{"TwoHandles", kEntities + "  0\nARC\n  5\n31\n  5\nLINE\n  0\nENDSEC\n  0\nEOF\n",
                "line 9: a second handle (group 5) in one entity or record"},
        BadFile{"KeywordInOtherCase", kEntities + "  0\nSectioN\n  2\nX\n  0\nENDSEC\n  0\nEOF\n",
                "line 5: section ENTITIES is not ended by ENDSEC"},
        BadFile{"Empty", "", "line 1: the file ends without 0 EOF"},
        BadFile{"NotADrawing", "  1\nhello\n", "line 1: expected group 0 SECTION or EOF, found group code 1"},
        BadFile{"ColourNotANumber", kEntities + "  0\nLINE\n 62\n256QSW\n  0\nENDSEC\n  0\nEOF\n",
                "line 7: group 62 value \"256QSW\" is not an integer"},
        BadFile{"SectionWithoutName", "  0\nSECTION\n  0\nENDSEC\n  0\nEOF\n",
                "line 3: SECTION is not followed by its name (group 2)"},
        BadFile{"OldPointOrderWithTextForY",
                kEntities + "  0\nLINE\n 10\n1\n 11\n2\n 20\nCONTINUOUS\n 21\n3\n  0\nENDSEC\n",
                "line 11: group 20 value \"CONTINUOUS\" is not a number"},
        BadFile{"CutAfterSection", "  0\nSECTION\n", "line 3: SECTION is not followed by its name (group 2)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MildlyBad {
    const char* name;
    std::string text;
    std::vector<std::string> repairs;
};

class DxfRepairs : public ::testing::TestWithParam<MildlyBad> {};

// Read with each repair reported, and saved clean: the saved file reads
// with no repair and holds what the first reading held.
TEST_P(DxfRepairs, AreReportedAndTheSavedDrawingIsClean) {
    std::string error;
    const auto db = zcad::readDxfText(GetParam().text, error);
    ASSERT_TRUE(db) << error;
    EXPECT_EQ(zcad::dxfRepairs(*db), GetParam().repairs);
    const std::string saved = zcad::writeDxfText(*db, nullptr);
    const auto again = zcad::readDxfText(saved, error);
    ASSERT_TRUE(again) << error << "\n" << saved;
    EXPECT_EQ(zcad::dxfRepairs(*again), std::vector<std::string>()) << saved;
    EXPECT_EQ(zcad::test::firstDifference(*db, *again), "");
}

const std::string kR12Header = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n";

INSTANTIATE_TEST_SUITE_P(
    MildlyBadInput, DxfRepairs,
    ::testing::Values(
        MildlyBad{"MissingEof", kEntities + "  0\nPOINT\n 10\n1\n 20\n2\n  0\nENDSEC\n",
                  {"line 13: the file ends without 0 EOF, which is assumed"}},
        MildlyBad{"EndsRightAfterSectionEntities", kEntities,
                  {"line 5: the file ends inside section ENTITIES, which is ended there"}},
        MildlyBad{"EndsInsideAnEntity", kEntities + "  0\nLINE\n  8\n0\n",
                  {"line 9: the file ends inside section ENTITIES, which is ended there"}},
        MildlyBad{"EndsInsideATable", "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  0\nLAYER\n  2\nKERB\n",
                  {"line 13: the file ends inside table LAYER, which is ended there"}},
        MildlyBad{"EmptyHandles", kEntities + "  0\nPOINT\n  5\n\n 10\n1\n 20\n2\n  0\nPOINT\n  5\n \n 10\n3\n 20\n4\n"
                                              "  0\nENDSEC\n  0\nEOF\n",
                  {"line 7: empty handle (group 5), a new one given (and 1 more like it)"}},
        MildlyBad{"EndsecInsideHeader", kR12Header + "  0\nENDSEC\n  9\n$INSUNITS\n 70\n6\n  0\nENDSEC\n  0\nEOF\n",
                  {"line 9: ENDSEC inside HEADER, the header goes on to the next ENDSEC"}},
        MildlyBad{"GroupsBetweenSections", kEntities + "  0\nENDSEC\n  9\n$EXTMIN\n 10\n-1.5\n 20\n2\n  0\nLINE\n"
                                                       "  8\n0\n  0\nENDSEC\n  0\nEOF\n",
                  {"line 7: groups outside any section up to line 17: 1 header variable read into the header, "
                   "2 groups skipped"}},
        MildlyBad{"OldPointOrder", kEntities + "  0\nLINE\n  8\n0\n 10\n1.5\n 11\n2\n 20\n-0.5\n 21\n3\n 30\n0\n"
                                               " 31\n0.25\n  0\nENDSEC\n  0\nEOF\n",
                  {"line 9: point groups out of their usual order (x, x, y), each gathered to its point "
                   "(and 1 more like it)"}},
        MildlyBad{"UnsignedShorts", kEntities + "  0\nPOINT\n 10\n1\n 20\n2\n1001\nAPP\n1070\n40000\n  0\nENDSEC\n"
                                                "  0\nEOF\n",
                  {"line 13: 16-bit value written unsigned, read as signed"}},
        MildlyBad{"EarlyRelease", "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC2.10\n  0\nENDSEC\n  0\nEOF\n",
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The repaired values are the ones the file meant.
TEST(DxfRead, RepairsKeepWhatTheFileMeant) {
    std::string error;
    const std::string old = kEntities + "  0\nLINE\n  8\n0\n 10\n1.5\n 11\n2\n 20\n-0.5\n 21\n3\n 30\n0\n 31\n0.25\n"
                            "1001\nAPP\n1070\n40000\n  0\nPOINT\n  5\n\n 10\n1\n 20\n2\n  0\nENDSEC\n  0\nEOF\n";
    auto db = zcad::readDxfText(old, error);
    ASSERT_TRUE(db) << error;
    const auto line = entity(*db, 0);
    ASSERT_EQ(line.size(), 6u);
    EXPECT_EQ(find(line, 10)->xyz[0], 1.5);
    EXPECT_EQ(find(line, 10)->xyz[1], -0.5);
    EXPECT_EQ(find(line, 11)->xyz[1], 3.0);
    EXPECT_EQ(find(line, 11)->xyz[2], 0.25);
    EXPECT_EQ(find(line, 1070)->integer, -25536);
    EXPECT_NE(db->handle(1), 0u);
    EXPECT_NE(db->handle(1), db->handle(0));

    db = zcad::readDxfText(kR12Header + "  9\n$PDMODE\n 70\n3\n  0\nENDSEC\n  9\n$INSUNITS\n 70\n6\n  0\nENDSEC\n"
                           "  0\nEOF\n", error);
    ASSERT_TRUE(db) << error;
    EXPECT_EQ(db->headerVar("$PDMODE")->groups[0].integer, 3);
    EXPECT_EQ(db->headerVar("$INSUNITS")->groups[0].integer, 6);
}

TEST(DxfRead, MissingFileNamesThePath) {
    std::string error;
    EXPECT_FALSE(zcad::readDxf("/nonexistent/dir/drawing.dxf", error));
    EXPECT_EQ(error, "/nonexistent/dir/drawing.dxf: cannot open the drawing");
}

}  // namespace

// Writing: what a saved file holds beyond the entities, and how it is saved.
#include <gtest/gtest.h>

#include "dxf_test_support.h"

namespace {

using namespace dxftest;

// The value line after the first "code\nvalue" pair whose value is `after`.
std::string valueAfter(const std::string& text, const std::string& after, const std::string& code) {
    const auto at = text.find("\n" + after + "\n");
    if (at == std::string::npos) return "<missing " + after + ">";
    const auto group = text.find(code + "\n", at);
    if (group == std::string::npos) return "<missing " + code + ">";
    const auto start = group + code.size() + 1;
    return text.substr(start, text.find('\n', start) - start);
}

std::unique_ptr<zcad::Database> read(const std::string& text) {
    std::string error;
    auto db = zcad::readDxfText(text, error);
    EXPECT_TRUE(db) << error;
    return db;
}

const std::string kR12 =
    "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  9\n$EXTMIN\n 10\n-1.0\n 20\n-1.0\n 30\n0.0\n"
    "  9\n$EXTMAX\n 10\n99.0\n 20\n99.0\n 30\n0.0\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nVPORT\n 70\n1\n  0\nVPORT\n  2\n*ACTIVE\n 70\n0\n 12\n1.0\n 22\n2.0\n"
    " 40\n3.0\n 41\n1.5\n  0\nENDTAB\n"
    "  0\nTABLE\n  2\nLTYPE\n 70\n1\n  0\nLTYPE\n  2\nCONTINUOUS\n 70\n0\n  3\nSolid line\n 72\n65\n 73\n0\n 40\n0.0\n"
    "  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n1\n  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n"
    "  0\nTABLE\n  2\nSTYLE\n 70\n0\n  0\nENDTAB\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n  8\n0\n 10\n5.0\n 20\n6.0\n 30\n0.0\n  0\nENDSEC\n  0\nEOF\n";

// Comments come back where they stood: at the top, before the header's
// first variable and after one, between tables and inside one, before the
// first entity and inside one, in a kept section.
TEST(DxfWrite, CommentsStayWhereTheyStood) {
    const std::string text =
        "999\nmade by hand\n  0\nSECTION\n  2\nHEADER\n999\nthe header\n  9\n$ACADVER\n  1\nAC1009\n"
        "999\nafter a variable\n  9\n$PDMODE\n 70\n3\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nTABLES\n999\nfirst table next\n  0\nTABLE\n  2\nVPORT\n 70\n1\n999\nin a kept table\n"
        "  0\nENDTAB\n999\nbetween tables\n  0\nTABLE\n  2\nLAYER\n 70\n1\n  0\nLAYER\n  2\n0\n999\nin a record\n"
        " 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nTABLE\n  2\nLTYPE\n 70\n0\n  0\nENDTAB\n"
        "  0\nTABLE\n  2\nSTYLE\n 70\n0\n  0\nENDTAB\n999\nlast in TABLES\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nBLOCKS\n999\nin BLOCKS\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nENTITIES\n999\nfirst entity next\n  0\nPOINT\n  8\n0\n999\nin an entity\n 10\n5.0\n"
        " 20\n6.0\n 30\n0.0\n  0\nENDSEC\n999\nbefore EOF\n  0\nEOF\n";
    auto db = read(text);
    ASSERT_TRUE(db);
    EXPECT_EQ(zcad::writeDxfText(*db, nullptr), text);

    db->append(list({{0, "POINT"}, {8, "0"}, {10, 1.0, 2.0, 3.0}}));
    const std::string changed = zcad::writeDxfText(*db, nullptr);
    std::size_t at = 0;
    for (const char* comment : {"made by hand", "the header", "after a variable", "first table next", "in a kept table",
                                "between tables", "in a record", "last in TABLES", "in BLOCKS", "first entity next",
                                "in an entity", "before EOF"}) {
        const auto found = changed.find(std::string("999\n") + comment + "\n", at);
        ASSERT_NE(found, std::string::npos) << comment;
        at = found;
    }
}

// What a save writes reads back to a drawing that saves the same text:
// nothing drifts from one save to the next.
TEST(DxfWrite, ASecondSaveWritesTheSameText) {
    for (const std::string& text : {
             // An entity type with a caret: read as text, as it is written.
             std::string("  0\nSECTION\n  2\nENTITIES\n  0\nLI^NE\n 10\n1\n 20\n2\n  0\nENDSEC\n  0\nEOF\n"),
             // An R12 record with a handle the file does not keep: written
             // without it, so with what a record must have.
             std::string("  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n 70\n1\n  0\nLAYER\n  5\n10\n"
                         "  2\nWALLS\n  0\nENDTAB\n  0\nENDSEC\n  0\nEOF\n"),
             // Two ENTITIES sections become one, and the comment that began
             // the second (with a byte that is not UTF-8) lands after an entity.
             std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1024\n  0\nENDSEC\n"
                         "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n 10\n1\n 20\n2\n  0\nENDSEC\n"
                         "  0\nSECTION\n  2\nENTITIES\n999\nnot \x9b UTF-8\n  0\nPOINT\n 10\n3\n 20\n4\n"
                         "  0\nENDSEC\n  0\nEOF\n"),
             // A table with no name is a table, not a comment.
             std::string("999\nnote\n  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\n\n 70\n0\n  0\nENDTAB\n"
                         "  0\nENDSEC\n  0\nEOF\n"),
             // A $HANDSEED that gives no handle: the drawing has none, and
             // the variable stays as it was.
             std::string("  0\nSECTION\n  2\nHEADER\n  9\n$HANDSEED\n  4\n40\n  0\nENDSEC\n"
                         "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n 10\n1\n 20\n2\n  0\nENDSEC\n  0\nEOF\n")}) {
        const std::string first = zcad::writeDxfText(*read(text), nullptr);
        EXPECT_EQ(zcad::writeDxfText(*read(first), nullptr), first) << text;
    }
}

TEST(DxfWrite, HostTablesTheFileLackedAreAdded) {
    const auto db = read("  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n 10\n1\n 20\n2\n  0\nENDSEC\n  0\nEOF\n");
    const std::string out = zcad::writeDxfText(*db, nullptr);
    EXPECT_LT(out.find("\nLTYPE\n"), out.find("\nLAYER\n"));
    EXPECT_LT(out.find("\nTABLES\n"), out.find("\nENTITIES\n"));
    EXPECT_NE(out.find("\n$ACADVER\n  1\nAC1009\n"), std::string::npos);
}

TEST(DxfWrite, ZoomLandsInTheActiveViewportAndTheR12Header) {
    auto db = read(kR12);
    db->view = {true, {10.5, 20.25}, 7.0};
    const std::string out = zcad::writeDxfText(*db, nullptr);
    EXPECT_EQ(valueAfter(out, "*ACTIVE", " 12"), "10.5");
    EXPECT_EQ(valueAfter(out, "*ACTIVE", " 22"), "20.25");
    EXPECT_EQ(valueAfter(out, "*ACTIVE", " 40"), "7.0");
    EXPECT_EQ(valueAfter(out, "*ACTIVE", " 41"), "1.5");
    EXPECT_EQ(valueAfter(out, "$VIEWCTR", " 12"), "10.5");
    EXPECT_EQ(valueAfter(out, "$VIEWSIZE", " 40"), "7.0");
}

TEST(DxfWrite, ExtentsAreRedoneOnlyWhenEntitiesChanged) {
    auto db = read(kR12);
    EXPECT_EQ(valueAfter(zcad::writeDxfText(*db, nullptr), "$EXTMAX", " 10"), "99.0");
    db->append(list({{0, "POINT"}, {8, "0"}, {10, 500.0, 7.0, 1.0}}));
    const std::string out = zcad::writeDxfText(*db, nullptr);
    EXPECT_EQ(valueAfter(out, "$EXTMIN", " 10"), "5.0");
    EXPECT_EQ(valueAfter(out, "$EXTMAX", " 10"), "500.0");
    EXPECT_EQ(valueAfter(out, "$EXTMAX", " 30"), "1.0");
}

TEST(DxfWrite, HostAdditionsGetHandlesOwnersAndMarkersInR2000) {
    std::string error;
    const zcad::DxfVersion r2000 = zcad::DxfVersion::R2000;
    auto fresh = std::make_unique<zcad::Database>();
    auto db = read(zcad::writeDxfText(*fresh, &r2000));
    zcad::TableRecord layer;
    layer.groups = {zcad::OwnedGroup::string(2, "NEW"), zcad::OwnedGroup::integral(62, 3)};
    db->layers().add(layer);
    const auto id = db->append(list({{0, "LINE"}, {8, "NEW"}, {10, 0.0, 0.0, 0.0}, {11, 1.0, 1.0, 0.0}}));
    const std::string out = zcad::writeDxfText(*db, nullptr);
    const auto layerAt = out.find("\n  2\nNEW\n");
    ASSERT_NE(layerAt, std::string::npos);
    const std::string record = out.substr(out.rfind("\n  0\nLAYER\n", layerAt), 200);
    EXPECT_NE(record.find("330\n"), std::string::npos) << record;
    EXPECT_NE(record.find("100\nAcDbLayerTableRecord\n"), std::string::npos) << record;
    EXPECT_NE(record.find(" 70\n0\n"), std::string::npos) << record;  // groups the record must have
    const auto lineAt = out.find("\n  0\nLINE\n");
    const std::string line = out.substr(lineAt, out.find("\n  0\n", lineAt + 5) - lineAt);
    char handle[20];
    std::snprintf(handle, sizeof handle, "  5\n%llX\n", static_cast<unsigned long long>(db->handle(id)));
    EXPECT_NE(line.find(handle), std::string::npos) << line;
    EXPECT_NE(line.find("100\nAcDbEntity\n  8\nNEW\n100\nAcDbLine\n"), std::string::npos) << line;
    // $HANDSEED stays above every handle.
    const auto seed = std::stoull(valueAfter(out, "$HANDSEED", "  5"), nullptr, 16);
    EXPECT_GT(seed, db->handle(id));
}

// What we write must read back and write again byte for byte, in the
// release it was made in, however often it goes round.
TEST(DxfWrite, DrawingsWeMadeGoRoundUnchanged) {
    for (const auto version : {zcad::DxfVersion::R12, zcad::DxfVersion::R2000, zcad::DxfVersion::R2018}) {
        zcad::Database fresh;
        zcad::TableRecord layer;
        layer.groups = {zcad::OwnedGroup::string(2, "Triangles"), zcad::OwnedGroup::integral(62, 3)};
        fresh.layers().add(layer);
        fresh.append(list({{0, "3DFACE"}, {8, "Triangles"}, {10, 1.25, 2.5, 0.001}, {11, 500000.123, 6900000.5, 3.0},
                           {12, -1e-7, 1e20, 0.0}, {13, -1e-7, 1e20, 0.0}}));
        const std::string first = zcad::writeDxfText(fresh, &version);
        const std::string second = zcad::writeDxfText(*read(first), nullptr);
        EXPECT_EQ(second, first) << zcad::dxfVersionName(version);
        EXPECT_EQ(zcad::writeDxfText(*read(second), nullptr), second) << zcad::dxfVersionName(version);
    }
}

// Type and layer names are looked at once a save: one the file must spell
// otherwise (a caret, a letter beyond ASCII in a UTF-8 file) is spelled so in
// every entity, however the names alternate.
TEST(DxfWrite, NamesTheFileSpellsOtherwiseAreSoInEveryEntity) {
    const std::vector<std::string> layers = {"Plain", "Foss\xE9^", "Ditch", "A^B"};
    for (const auto version : {zcad::DxfVersion::R12, zcad::DxfVersion::R2018}) {
        zcad::Database fresh;
        for (int i = 0; i < 40; ++i) {
            const std::string& layer = layers[static_cast<std::size_t>(i * 7 % 4)];
            fresh.append(list({{0, "LINE"}, {8, layer.c_str()}, {10, 0.0, 0.0, 0.0}, {11, 1.0, i * 1.0, 0.0}}));
        }
        const auto back = read(zcad::writeDxfText(fresh, &version));
        ASSERT_EQ(back->entityCount(), 40u) << zcad::dxfVersionName(version);
        for (zcad::EntityId id = 0; id < 40; ++id) {
            const auto groups = zcad::decodeGroups(back->list(id));
            ASSERT_NE(find(groups, 8), nullptr);
            EXPECT_EQ(find(groups, 8)->text, layers[id * 7 % 4]) << zcad::dxfVersionName(version) << " " << id;
        }
    }
}

TEST(DxfWrite, CrlfFilesStayCrlf) {
    std::string crlf;
    for (const char c : kR12) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto db = read(crlf);
    EXPECT_EQ(zcad::writeDxfText(*db, nullptr), crlf);
}

TEST(DxfSave, ReplacesTheFileAtomicallyAndLeavesNothingBeside) {
    const auto dir = scratchDir() / "atomic";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto path = (dir / "drawing.dxf").string();
    writeFile(path, "old");
    const auto db = read(kR12);
    std::string error;
    ASSERT_TRUE(zcad::writeDxf(path, *db, nullptr, error)) << error;
    EXPECT_EQ(readFile(path), kR12);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(DxfSave, RefusesWithoutTouchingTheTarget) {
    const auto dir = scratchDir() / "refuse";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "drawing.dxf").string();
    writeFile(path, "old");
    // Blocks of R12 are not converted up.
    const auto db = read("  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nPEG\n 70\n0\n 10\n0\n 20\n0\n"
                         "  0\nENDBLK\n  8\n0\n  0\nENDSEC\n  0\nEOF\n");
    std::string error;
    const zcad::DxfVersion r2000 = zcad::DxfVersion::R2000;
    EXPECT_FALSE(zcad::writeDxf(path, *db, &r2000, error));
    EXPECT_EQ(error, "cannot save " + path + " as R2000: the drawing was read as R12, and its blocks are not "
                     "converted to later releases");
    EXPECT_FALSE(zcad::writeDxf((dir / "missing" / "x.dxf").string(), *db, nullptr, error));
    EXPECT_EQ(error.rfind("cannot save " + (dir / "missing" / "x.dxf").string() + ": cannot create a file beside it", 0), 0u);
    EXPECT_EQ(readFile(path), "old");
}

TEST(DxfVersionNames, ParseBothSpellings) {
    zcad::DxfVersion v{};
    EXPECT_TRUE(zcad::parseDxfVersion("r2000", v));
    EXPECT_EQ(v, zcad::DxfVersion::R2000);
    EXPECT_TRUE(zcad::parseDxfVersion("AC1032", v));
    EXPECT_EQ(v, zcad::DxfVersion::R2018);
    EXPECT_FALSE(zcad::parseDxfVersion("R14", v));
}

}  // namespace

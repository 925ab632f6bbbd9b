// Files zcad writes, checked by an independent reader (ezdxf): its audit
// is clean and it finds what the source drawing had.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "dxf_test_support.h"
#include "zcad/same_drawing.h"
#include "zcad/entity_shape.h"

namespace {

using namespace dxftest;

class EzdxfOracle : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
        dir_ = scratchDir();
    }
    std::filesystem::path dir_;
};

std::string source(const std::filesystem::path& dir, const char* version) {
    const auto path = dir / (std::string("source_") + version + ".dxf");
    oracle("make " + path.string() + " " + version);
    return path.string();
}

// Loads `src`, saves it unchanged as `name`, and gives what ezdxf finds
// different between the two ("done" alone when nothing).
std::string compareResaved(const std::filesystem::path& dir, const std::string& src, const std::string& name) {
    std::string error;
    auto db = zcad::readDxf(src, error);
    if (!db) return error;
    const std::string out = (dir / name).string();
    if (!zcad::writeDxf(out, *db, nullptr, error)) return error;
    return oracle("compare " + src + " " + out);
}

TEST_P(EzdxfOracle, UnchangedRoundTripReadsBackEqual) {
    const std::string src = source(dir_, GetParam());
    EXPECT_EQ(compareResaved(dir_, src, std::string("same_") + GetParam() + ".dxf"), "done\n");
}

TEST_P(EzdxfOracle, BinaryFilesReadAsTheirDrawing) {
    const auto src = (dir_ / (std::string("binary_") + GetParam() + ".dxf")).string();
    oracle("make " + src + " " + GetParam() + " bin");
    ASSERT_EQ(readFile(src).rfind("AutoCAD Binary DXF", 0), 0u);
    // Saved in the same release, as text.
    EXPECT_EQ(compareResaved(dir_, src, std::string("from_binary_") + GetParam() + ".dxf"), "done\n");
}

TEST_P(EzdxfOracle, MovingOneEntityChangesOnlyThatEntity) {
    const std::string src = source(dir_, GetParam());
    std::string error;
    auto db = zcad::readDxf(src, error);
    ASSERT_TRUE(db) << error;
    zcad::EntityId moved = zcad::kNoEntity;
    for (auto id = db->next(zcad::kNoEntity); id != zcad::kNoEntity; id = db->next(id)) {
        if (db->type(id) == "3DFACE") moved = id;
    }
    ASSERT_NE(moved, zcad::kNoEntity);
    const double delta[3] = {10.5, -2.25, 1.0};
    zcad::moveEntity(*db, moved, delta);
    const std::string out = (dir_ / (std::string("moved_") + GetParam() + ".dxf")).string();
    ASSERT_TRUE(zcad::writeDxf(out, *db, nullptr, error)) << error;
    char handle[20];
    const auto end = std::to_chars(handle, handle + sizeof handle, db->handle(moved), 16).ptr;
    std::string hex(handle, end);
    for (auto& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(oracle("compare " + src + " " + out), "differs " + hex + "\ndone\n");
}

// Complex linetypes draw shapes from files that have unnamed text styles,
// one per file, each pointed to by handle.
TEST_P(EzdxfOracle, UnnamedShapeStylesAndTheLinetypesUsingThemSurviveASave) {
    if (std::string_view(GetParam()) == "R12") GTEST_SKIP() << "R12 has no pointers to styles";
    const auto src = (dir_ / (std::string("shapes_") + GetParam() + ".dxf")).string();
    oracle("shapes " + src + " " + GetParam());
    const std::string before = oracle("pointers " + src);
    ASSERT_NE(before.find("table STYLE 3\n"), std::string::npos) << before;
    std::string error;
    auto db = zcad::readDxf(src, error);
    ASSERT_TRUE(db) << error;
    EXPECT_EQ(db->styles().records().size(), 3u);
    const std::string out = (dir_ / (std::string("shapes_saved_") + GetParam() + ".dxf")).string();
    ASSERT_TRUE(zcad::writeDxf(out, *db, nullptr, error)) << error;
    EXPECT_EQ(oracle("pointers " + out), before);
    EXPECT_EQ(oracle("compare " + src + " " + out), "done\n");
}

// Between the releases that share a structure, both ways: text changes its
// encoding (R2007 on is UTF-8), and ezdxf finds the same drawing.
TEST_P(EzdxfOracle, ConvertedToAnotherReleaseAuditsCleanWithTheSameEntities) {
    if (std::string_view(GetParam()) == "R12") GTEST_SKIP() << "R12 converts to no other release yet";
    const std::string src = source(dir_, GetParam());
    std::string error;
    auto db = zcad::readDxf(src, error);
    ASSERT_TRUE(db) << error;
    for (const auto version : {zcad::DxfVersion::R2000, zcad::DxfVersion::R2018}) {
        const std::string name = zcad::dxfVersionName(version);
        const std::string out = (dir_ / (std::string("converted_") + GetParam() + "_" + name + ".dxf")).string();
        ASSERT_TRUE(zcad::writeDxf(out, *db, &version, error)) << error;
        const std::string dump = oracle("dump " + out);
        EXPECT_NE(dump.find("errors 0\n"), std::string::npos) << name << "\n" << dump;
        EXPECT_EQ(oracle("compare " + src + " " + out), "done\n") << GetParam() << " to " << name;
        auto again = zcad::readDxf(out, error);
        ASSERT_TRUE(again) << error;
        EXPECT_EQ(zcad::test::firstDifference(*db, *again), "") << GetParam() << " to " << name;
    }
}

// Down to R12: the entity types R12 lacks become ones it has, and what it
// cannot hold is dropped, each kind reported with its count.
TEST_P(EzdxfOracle, ConvertedToR12AuditsCleanAndReportsEachKind) {
    if (std::string_view(GetParam()) == "R12") GTEST_SKIP() << "already R12";
    const std::string src = source(dir_, GetParam());
    std::string error;
    auto db = zcad::readDxf(src, error);
    ASSERT_TRUE(db) << error;
    const auto r12 = zcad::DxfVersion::R12;
    const std::string out = (dir_ / (std::string("r12_from_") + GetParam() + ".dxf")).string();
    std::vector<std::string> report;
    ASSERT_TRUE(zcad::writeDxf(out, *db, &r12, error, &report)) << error;
    const std::vector<std::string> expected = {
        "ELLIPSE: 1 converted to POLYLINE", "LWPOLYLINE: 1 converted to POLYLINE", "MTEXT: 1 converted to TEXT",
        "SPLINE: 1 converted to POLYLINE",  "layout block: 2 dropped",             "section CLASSES: 1 dropped",
        "section OBJECTS: 1 dropped",       "table BLOCK_RECORD: 1 dropped"};
    EXPECT_EQ(report, expected);
    const std::string dump = oracle("dump " + out);
    EXPECT_NE(dump.find("errors 0\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text=First line"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text=Second ^ line"), std::string::npos) << dump;
    EXPECT_EQ(dump.find("entity LWPOLYLINE"), std::string::npos) << dump;
    EXPECT_EQ(readFile(out).find("AcDb"), std::string::npos);

    // The ellipse's vertices lie on it, and no chord strays further than stated.
    auto back = zcad::readDxf(out, error);
    ASSERT_TRUE(back) << error;
    std::vector<std::array<double, 2>> onEllipse;
    for (auto id = back->next(zcad::kNoEntity); id != zcad::kNoEntity; id = back->next(id)) {
        const auto groups = zcad::decodeGroups(back->list(id));
        const auto* at = find(groups, 10);
        if (back->type(id) != "VERTEX" || !at) continue;
        const double x = (at->xyz[0] - 50) / 10, y = (at->xyz[1] - 50) / 5;
        if (std::fabs(x * x + y * y - 1) < 1e-9) onEllipse.push_back({at->xyz[0], at->xyz[1]});
    }
    ASSERT_GT(onEllipse.size(), 8u);
    for (std::size_t i = 0; i < onEllipse.size(); ++i) {
        const auto& a = onEllipse[i];
        const auto& b = onEllipse[(i + 1) % onEllipse.size()];
        const double t = std::atan2((a[1] + b[1]) / 2 - 50, ((a[0] + b[0]) / 2 - 50) / 2);
        const double mx = 50 + 10 * std::cos(t), my = 50 + 5 * std::sin(t);
        EXPECT_LT(std::hypot(mx - (a[0] + b[0]) / 2, my - (a[1] + b[1]) / 2), 10 * 0.001 * 1.01) << i;
    }
}

// Up from R12: built anew with the handles, owners, markers and objects the
// release needs, the entities keeping their handles; blocks are not yet
// converted up, and a drawing with any is refused with the reason.
TEST(EzdxfOracleR12, ConvertedUpAuditsCleanWithTheSameEntities) {
    if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    const auto dir = scratchDir();
    const std::string src = (dir / "plain_R12.dxf").string();
    oracle("make " + src + " R12 asc noblocks");
    std::string error;
    auto db = zcad::readDxf(src, error);
    ASSERT_TRUE(db) << error;
    for (const auto version : {zcad::DxfVersion::R2000, zcad::DxfVersion::R2018}) {
        const std::string out = (dir / (std::string("up_") + zcad::dxfVersionName(version) + ".dxf")).string();
        ASSERT_TRUE(zcad::writeDxf(out, *db, &version, error)) << error;
        EXPECT_NE(oracle("dump " + out).find("errors 0\n"), std::string::npos);
        EXPECT_EQ(oracle("compare " + src + " " + out), "done\n");
    }
    auto withBlocks = zcad::readDxf(source(dir, "R12"), error);
    ASSERT_TRUE(withBlocks) << error;
    const auto r2000 = zcad::DxfVersion::R2000;
    EXPECT_FALSE(zcad::writeDxf((dir / "up_blocks.dxf").string(), *withBlocks, &r2000, error));
    EXPECT_NE(error.find("its blocks are not converted to later releases"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Releases, EzdxfOracle, ::testing::Values("R12", "R2000", "R2010", "R2018"));

}  // namespace

namespace {

using namespace dxftest;

// Entities as the module's commands make them: no handles, owners or
// subclass markers, angles in radians.
std::unique_ptr<zcad::Database> madeByCommands() {
    auto db = std::make_unique<zcad::Database>();
    zcad::TableRecord layer;
    layer.groups = {zcad::OwnedGroup::string(2, "Points"), zcad::OwnedGroup::integral(70, 0),
                    zcad::OwnedGroup::integral(62, 151), zcad::OwnedGroup::string(6, "CONTINUOUS")};
    db->layers().add(layer);
    const double third = 0.1 + 0.2;  // 0.30000000000000004: needs all 17 digits
    db->append(list({{0, "LINE"}, {8, "Points"}, {10, 1.5, 2.25, third}, {11, 1e-7, -3.0, 1e15}, {39, 0.0}}));
    db->append(list({{0, "ARC"}, {8, "0"}, {10, 3.0, 4.0, 0.0}, {40, 1.5}, {39, 0.0},
                     {50, std::numbers::pi / 6}, {51, 1.25 * std::numbers::pi}}));
    db->append(list({{0, "CIRCLE"}, {10, 7.0, 8.0, 0.0}, {40, 2.0}, {8, "Points"}, {39, 0.0}}));
    db->append(list({{0, "POINT"}, {8, "Points"}, {10, 512345.123, 6987654.321, 12.5}}));
    db->append(list({{0, "TEXT"}, {1, "Lot 12\x7f"}, {7, "STANDARD"}, {8, "0"}, {40, 2.4},
                     {50, 90.0 / 180.0 * std::numbers::pi}, {10, 10.0, 20.0, 0.0}, {11, 10.5, 20.0, 0.0},
                     {72, 1}, {73, 2}}));
    db->append(list({{0, "POLYLINE"}, {8, "Points"}, {66, 1}, {10, 0.0, 0.0, 0.0}, {70, 8}}));
    db->append(list({{0, "VERTEX"}, {8, "Points"}, {10, 1.0, 2.0, 3.0}, {70, 32}}));
    db->append(list({{0, "VERTEX"}, {8, "Points"}, {10, 4.0, 5.0, 6.0}, {70, 32}}));
    db->append(list({{0, "SEQEND"}, {8, "Points"}}));
    db->append(list({{0, "POLYLINE"}, {8, "Mesh"}, {66, 1}, {10, 0.0, 0.0, 0.0}, {70, 64}, {71, 3}, {72, 1}}));
    db->append(list({{0, "VERTEX"}, {8, "Points"}, {10, 0.0, 0.0, 1.0}, {70, 192}}));
    db->append(list({{0, "VERTEX"}, {8, "Points"}, {10, 1.0, 0.0, 2.0}, {70, 192}}));
    db->append(list({{0, "VERTEX"}, {8, "Points"}, {10, 1.0, 1.0, 3.0}, {70, 192}}));
    db->append(list({{0, "VERTEX"}, {8, "points"}, {10, 0.0, 0.0, 0.0}, {70, 128}, {71, 1}, {72, -2}, {73, 3}}));
    db->append(list({{0, "SEQEND"}, {8, "Mesh"}}));
    db->append(list({{0, "3DFACE"}, {8, "Points"}, {10, 0.0, 0.0, 1.0}, {11, 1.0, 0.0, 2.0},
                     {12, 1.0, 1.0, 3.0}, {13, 1.0, 1.0, 3.0}, {70, 4}}));
    db->append(list({{0, "SOLID"}, {8, "0"}, {10, 0.0, 0.0, 0.0}, {11, 1.0, 0.0, 0.0}, {12, 0.0, 1.0, 0.0},
                     {13, 0.0, 1.0, 0.0}}));
    db->setHeaderVar("$PDMODE", {zcad::OwnedGroup::integral(70, 35)});
    db->view.set = true;
    db->view.centre[0] = 5.5;
    db->view.centre[1] = 6.5;
    db->view.height = 42.0;
    return db;
}

class NewDrawing : public ::testing::TestWithParam<zcad::DxfVersion> {
protected:
    void SetUp() override {
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    }
};

TEST_P(NewDrawing, EzdxfAuditsCleanAndFindsTheSameEntities) {
    const auto db = madeByCommands();
    const zcad::DxfVersion version = GetParam();
    const auto path = scratchDir() / (std::string("new_") + zcad::dxfVersionName(version) + ".dxf");
    std::string error;
    ASSERT_TRUE(zcad::writeDxf(path.string(), *db, &version, error)) << error;
    const std::string dump = oracle("dump " + path.string());
    EXPECT_NE(dump.find("errors 0\n"), std::string::npos) << dump;
    for (const char* expected : {
             "layer Points|151|CONTINUOUS",
             "entity LINE|",
             "end=(1e-07,-3.0,1000000000000000.0)|layer=Points|start=(1.5,2.25,0.30000000000000004)",
             "end_angle=225.0|layer=0|radius=1.5|start_angle=30.0",
             "location=(512345.123,6987654.321,12.5)",
             "align_point=(10.5,20.0,0.0)|halign=1|height=2.4|insert=(10.0,20.0,0.0)|layer=0|rotation=90.0|"
             "style=STANDARD|text=Lot 12\x7f|valign=2",
             "flags=8|layer=Points|vertex:flags=32 layer=Points location=(1.0,2.0,3.0)|vertex:flags=32 "
             "layer=Points location=(4.0,5.0,6.0)",
             "location=(0.0,0.0,0.0) vtx0=1 vtx1=-2 vtx2=3",
             "entity 3DFACE|",
             "invisible=4|layer=Points|vtx0=(0.0,0.0,1.0)|vtx1=(1.0,0.0,2.0)|vtx2=(1.0,1.0,3.0)|vtx3=(1.0,1.0,3.0)",
             "entity SOLID|",
         }) {
        EXPECT_NE(dump.find(expected), std::string::npos) << expected << "\n" << dump;
    }
}

INSTANTIATE_TEST_SUITE_P(Releases, NewDrawing,
                         ::testing::Values(zcad::DxfVersion::R12, zcad::DxfVersion::R2000, zcad::DxfVersion::R2010),
                         [](const auto& info) { return std::string(zcad::dxfVersionName(info.param)); });

}  // namespace

// PT2LEV, LEV2PT and PELEV typed at zcad's command line, their dialogs
// answered line by line, the drawing saved and read back by ezdxf; and the
// host refusing each entity in turn.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "run_command.h"
#include "zcad/session.h"

namespace {

namespace fs = std::filesystem;

std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class LevelCommands : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        dir_ = fs::temp_directory_path() / ("zautil_levels_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setenv("ZARVO_REGISTRY", store().c_str(), 1);
        unsetenv("ZARV$PROG");
        // The first load writes the defaults; the test then edits them as a
        // user edits the .reg file, and the module reads them at its next load.
        ASSERT_TRUE(load());
        zcad::unloadModules();
    }
    void TearDown() override {
        zcad::unloadModules();
        fs::remove_all(dir_);
        HostTest::TearDown();
    }
    std::string store() const { return (dir_ / "registry.reg").string(); }
    std::string storeText() const {
        std::ifstream in(store(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void setStored(const std::string& from, const std::string& to) {
        std::string text = storeText();
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        std::ofstream(store(), std::ios::binary) << text;
    }
    bool load() {
        std::string error;
        const bool loaded = zcad::loadModule(std::string(ZCAD_BINARY_DIR) + "/zautil.so", error);
        EXPECT_TRUE(loaded) << error;
        return loaded;
    }
    static void addPoint(double x, double y, double z) {
        const ads_point at = {x, y, z};
        makeEntity(acutBuildList(RTDXF0, "POINT", 8, "SURVEY", 10, at, 0));
    }
    static int entities() {
        int n = 0;
        ads_name entity;
        for (int s = acdbEntNext(nullptr, entity); s == RTNORM; s = acdbEntNext(entity, entity)) ++n;
        return n;
    }
    // Saves the drawing and has ezdxf list it.
    std::string savedAndRead() {
        const std::string dxf = (dir_ / "levels.dxf").string();
        const std::string out = zcad::test::runCommands({"SAVEAS " + dxf});
        EXPECT_TRUE(fs::exists(dxf)) << out;
        int status = 0;
        const std::string listed = runCommand(
            "/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/level_commands/dump_levels_dxf.py " + dxf, status);
        EXPECT_EQ(status, 0) << listed;
        return listed;
    }
    fs::path dir_;
};

TEST_F(LevelCommands, LevelsToTextsAndBackThroughTheDialogsThenRaised) {
    if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    setStored("\"P2L Preferences\"=dword:00000000", "\"P2L Preferences\"=dword:00000080");
    ASSERT_TRUE(load());
    addPoint(100, 200, 12.345);
    addPoint(110, 210, 9.5);
    const std::string out = zcad::test::runCommands({
        "PT2LEV", "ALL", "", "Precision=2", "Text Height=1.5", "X Offset=0.5", "Layer", "Layer name=LEVELS", "",
        "L2P", "TYPE TEXT", "", "Layer to use=SPOTS", "",
        "PLEV", "LAYER SPOTS", "", "Add", "0.5",
    });
    EXPECT_GE(countOf(out, "Z.AutoCAD: Point to Level"), 1u) << out;
    EXPECT_NE(out.find("Pt2Lev 2 points complete."), std::string::npos) << out;
    EXPECT_NE(out.find("Lev2Pt 2 points created"), std::string::npos) << out;
    EXPECT_NE(out.find("\nDone.\n"), std::string::npos) << out;

    EXPECT_EQ(savedAndRead(),
              "errors 0\n"
              "POINT SURVEY 100 200 12.345\n"
              "POINT SURVEY 110 210 9.5\n"
              "TEXT LEVELS '12.35' 100.5 200 12.345 1.5\n"
              "TEXT LEVELS '9.50' 110.5 210 9.5 1.5\n"
              "POINT SPOTS 100.5 200 12.85\n"
              "POINT SPOTS 110.5 210 10\n");
    // Values confirmed without "Save as new defaults" served this run only.
    EXPECT_NE(storeText().find("\"P2L Precision\"=dword:00000003"), std::string::npos);
}

TEST_F(LevelCommands, SetElevationThroughTheHostsChangeIsSaved) {
    if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    ASSERT_TRUE(load());
    addPoint(1, 2, 3);
    const std::string out = zcad::test::runCommands({"PELEV", "ALL", "", "Set", "-4.75"});
    EXPECT_NE(out.find("\nDone.\n"), std::string::npos) << out;
    EXPECT_EQ(savedAndRead(), "errors 0\nPOINT SURVEY 1 2 -4.75\n");
}

// Z of every point of the drawing's entities, in order, with their vertices.
std::vector<double> allZ() {
    std::vector<double> z;
    ads_name entity;
    for (int s = acdbEntNext(nullptr, entity); s == RTNORM; s = acdbEntNext(entity, entity)) {
        resbuf* list = acdbEntGet(entity);
        for (const resbuf* g = list; g; g = g->rbnext) {
            if (g->restype == 10 || g->restype == 11) z.push_back(g->resval.rpoint[2]);
        }
        acutRelRb(list);
    }
    return z;
}

TEST_F(LevelCommands, ObjectsTheHostCannotElevateAreSaidAndAnAbsurdLevelChangesNothing) {
    ASSERT_TRUE(load());
    const ads_point a = {0, 0, 1}, b = {10, 0, 5};
    makeEntity(acutBuildList(RTDXF0, "LINE", 8, "0", 10, a, 11, b, 0));
    makeEntity(acutBuildList(RTDXF0, "POLYLINE", 8, "0", 66, 1, 70, 8, 0));
    makeEntity(acutBuildList(RTDXF0, "VERTEX", 8, "0", 10, a, 70, 32, 0));
    makeEntity(acutBuildList(RTDXF0, "VERTEX", 8, "0", 10, b, 70, 32, 0));
    makeEntity(acutBuildList(RTDXF0, "SEQEND", 8, "0", 0));
    addPoint(1, 2, 3);
    const auto before = allZ();

    std::string out = zcad::test::runCommands({"PELEV", "ALL", "", "Set", "7"});
    EXPECT_NE(out.find("2 object(s) not changed: not parallel to the plan"), std::string::npos) << out;
    auto after = allZ();
    EXPECT_EQ(after.back(), 7.0);  // the point
    after.back() = before.back();
    EXPECT_EQ(after, before);

    const auto levelled = allZ();
    for (const char* value : {"1e308", "1e30"}) {
        SCOPED_TRACE(value);
        out = zcad::test::runCommands({"PELEV", "ALL", "", "Add", value});
        EXPECT_NE(out.find("refused"), std::string::npos) << out;
        EXPECT_EQ(out.find("An unspecified error has occurred."), std::string::npos);
        EXPECT_EQ(out.find("Done."), std::string::npos);
        EXPECT_EQ(allZ(), levelled);
    }
}

// The host refusing the n-th entity: the message, what stays, no sequence
// left open, and no settings written for the failed run.
TEST_F(LevelCommands, EveryRefusedEntityEndsTheRunWithItsMessage) {
    ASSERT_TRUE(load());
    const auto refuse = [&](int n, const std::vector<std::string>& commands, const std::string& message,
                            const std::string& summary) {
        SCOPED_TRACE(n);
        const std::string before = storeText();
        zcad::test::failEntityMakeAt(n);
        const std::string out = zcad::test::runCommands(commands);
        EXPECT_NE(out.find(message), std::string::npos) << out;
        EXPECT_EQ(out.find(summary), std::string::npos);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        EXPECT_EQ(entities(), 3 + n - 1);
        EXPECT_EQ(storeText(), before);
    };
    const char* levels[] = {"7.25", "8", "9.5"};
    for (int n = 1; n <= 3; ++n) {
        zcad::test::resetHost();
        for (int i = 1; i <= 3; ++i) addPoint(i, i, i);
        refuse(n, {"PT2LEV", "ALL", ""},
               "Cannot make the level text \"" + std::to_string(n) + ".000\" on layer \"mk_lev\"", "Pt2Lev ");
        zcad::test::resetHost();
        for (const char* level : levels) {
            const ads_point at = {1, 1, 0};
            makeEntity(acutBuildList(RTDXF0, "TEXT", 8, "0", 10, at, 40, 1.0, 1, level, 0));
        }
        refuse(n, {"LEV2PT", "ALL", "", "Layer to use=SPOTS", ""},
               "Cannot make the point of level " + std::string(levels[n - 1]) + " on layer \"SPOTS\"", "Lev2Pt ");
    }
}

}  // namespace

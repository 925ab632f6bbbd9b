// The helper's report read, the reason taken from its errors, the line the
// user sees, and where the helper is looked for.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dwg/dwg_report.h"
#include "zcad/dwg.h"

namespace {

TEST(DwgReport, TakesWhatItKnowsAndPassesOverTheRest) {
    const zcad::DwgReport report = zcad::parseDwgReport(
        "release R14\r\nentities 205\nentities -4\nentities 12x\nlost WIPEOUT 2\nlost ACAD_PROXY_ENTITY 17\n"
        "lost LIGHT\nlost  0\nlost MLINE 0\nlost 3\nwhatever else\n\nrelease");
    EXPECT_EQ(report.release, "R14");
    EXPECT_EQ(report.entities, 205);
    ASSERT_EQ(report.lost.size(), 2u);
    EXPECT_EQ(report.lost[1], (std::pair<std::string, long>{"ACAD_PROXY_ENTITY", 17}));
    EXPECT_EQ(zcad::describeDwgReport(report),
              "DWG R14 converted to DXF: 205 entities; not converted: WIPEOUT 2, ACAD_PROXY_ENTITY 17");

    const zcad::DwgReport silent = zcad::parseDwgReport("");
    EXPECT_EQ(silent.entities, -1);
    EXPECT_EQ(zcad::describeDwgReport(silent), "DWG of an unnamed release converted to DXF; every kind converted");
    EXPECT_EQ(zcad::describeDwgReport(zcad::parseDwgReport("release R2018\nentities 0")),
              "DWG R2018 converted to DXF: 0 entities; every kind converted");
}

TEST(DwgReport, TheReasonIsTheHelpersOwnLastLine) {
    EXPECT_EQ(zcad::helperReason("Warning: x\nzcad-dwg: not a DWG drawing\nERROR: later\n"), "not a DWG drawing");
    EXPECT_EQ(zcad::helperReason("zcad-dwg: first\nzcad-dwg: second\r\n"), "second");
    EXPECT_EQ(zcad::helperReason("file:///x/helper.js:12\n\nSyntaxError: Unexpected token\n\n"),
              "SyntaxError: Unexpected token");
    EXPECT_EQ(zcad::helperReason(""), "");
    // Control characters and endless lines never reach the message as they are.
    const std::string reason = zcad::helperReason("zcad-dwg: a\tb\x1b[31m" + std::string(5000, 'z'));
    EXPECT_EQ(reason.substr(0, 4), "a b ");
    EXPECT_LE(reason.size(), 300u);
}

TEST(DwgNames, ADwgIsNeverSavedUnderItsOwnName) {
    EXPECT_TRUE(zcad::isDwgName("/a b/relevé.DWG"));
    EXPECT_FALSE(zcad::isDwgName("plan.dwgx"));
    EXPECT_EQ(zcad::dxfNameOf("/jobs/relevé.DWG"), "/jobs/relevé.dxf");
    EXPECT_EQ(zcad::dxfNameOf("/jobs/plan.dxf"), "/jobs/plan.dxf.dxf");
}

class DwgHelperPlace : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"ZCAD_DWG_HELPER", "ZCAD_NODE", "XDG_DATA_HOME", "HOME", "PATH"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(DwgHelperPlace, TheEnvironmentNamesTheFolderAndTheNode) {
    ::setenv("HOME", "/home/ann", 1);
    ::setenv("PATH", "/nowhere:/bin:/usr/bin", 1);
    zcad::DwgHelper helper = zcad::findDwgHelper();
    EXPECT_EQ(helper.folder, "/home/ann/.local/share/zcad/dwg");

    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(zcad::findDwgHelper().folder, "/home/ann/.local/share/zcad/dwg");

    ::setenv("ZCAD_DWG_HELPER", "/opt/dwg", 1);
    ::setenv("ZCAD_NODE", "/bin/sh", 1);
    EXPECT_EQ(zcad::findDwgHelper().folder, "/opt/dwg");
    // A Node that is named but not there is missing, not looked for elsewhere.
    ::setenv("ZCAD_NODE", "/nowhere/node", 1);
    EXPECT_EQ(zcad::findDwgHelper().node, "");
    ::unsetenv("ZCAD_NODE");
    ::setenv("PATH", "/nowhere", 1);
    EXPECT_EQ(zcad::findDwgHelper().node, "");
}

}  // namespace

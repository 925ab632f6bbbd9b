// PELEV as a user meets it: Set through CHANGE and Add or Minus through
// MOVE (the host's tests take every kind through both), the shift at the
// drawing's precision, and the ways out that change nothing.
#include "levels_fixture.h"

namespace {

using testing::HasSubstr;

class Pelev : public LevelsTest {
protected:
    void SetUp() override {
        LevelsTest::SetUp();
        const ads_point a = {0, 0, 2}, b = {4, 3, 2}, c = {4, 0, 2}, d = {0, 3, 2};
        makeEntity(acutBuildList(RTDXF0, "LINE", 8, "0", 10, a, 11, b, 0));
        makeEntity(acutBuildList(RTDXF0, "TEXT", 8, "0", 10, c, 40, 1.0, 1, "A", 0));
        makeEntity(acutBuildList(RTDXF0, "POLYLINE", 8, "0", 66, 1, 10, a, 70, 0, 0));
        makeEntity(acutBuildList(RTDXF0, "VERTEX", 8, "0", 10, a, 0));
        makeEntity(acutBuildList(RTDXF0, "VERTEX", 8, "0", 10, b, 0));
        makeEntity(acutBuildList(RTDXF0, "SEQEND", 0));
        makeEntity(acutBuildList(RTDXF0, "LWPOLYLINE", 8, "0", 90, 2, 70, 0, 38, 2.0, 10, a, 10, b, 0));
        makeEntity(acutBuildList(RTDXF0, "3DFACE", 8, "0", 10, a, 11, c, 12, b, 13, d, 0));
    }
    void run(std::vector<std::string> answers) {
        answer(std::move(answers));
        zaPELEV();
    }
    static void setPrecision(short places) {
        resbuf value{};
        value.restype = RTSHORT;
        value.resval.rint = places;
        acedSetVar("LUPREC", &value);
    }
    // The elevation of every entity (and vertex), in drawing order.
    static std::string elevations() {
        std::string out;
        for (const Stored& e : storedEntities()) {
            if (e.type == "SEQEND") continue;
            const double z = e.type == "LWPOLYLINE" ? e.real(38) : e.point(10)[2];
            char text[32];
            std::snprintf(text, sizeof text, "%s%g", out.empty() ? "" : " ", z);
            out += text;
        }
        return out;
    }
};

TEST_F(Pelev, SetGivesEveryKindTheElevation) {
    run({"ALL", "", "Set", "12.5"});
    EXPECT_THAT(output_, HasSubstr("\nZARVO Software Polyline Elevate V3.0.0 (2013)\n"));
    EXPECT_THAT(output_, HasSubstr("Enter mode [Add/Set/Minus]:"));
    EXPECT_THAT(output_, HasSubstr("\nDone.\n"));
    EXPECT_EQ(elevations(), "12.5 12.5 12.5 12.5 12.5 12.5 12.5");
    EXPECT_EQ(storedOf("3DFACE")[0].point(13)[2], 12.5);
}

TEST_F(Pelev, AddAndMinusShiftByTheValueAsTheDrawingShowsItAndEnterMeansAdd) {
    setPrecision(1);
    run({"ALL", "", "a", "0.25"});
    EXPECT_EQ(elevations(), "2.3 2.3 2.3 2.3 2.3 2.3 2.3");
    run({"ALL", "", "Minus", "1"});
    EXPECT_EQ(elevations(), "1.3 1.3 1.3 1.3 1.3 1.3 1.3");
    run({"ALL", "", "", "3"});
    EXPECT_EQ(elevations(), "4.3 4.3 4.3 4.3 4.3 4.3 4.3");
    EXPECT_DOUBLE_EQ(storedOf("3DFACE")[0].point(13)[2], 4.3);
}

TEST_F(Pelev, ACancelAtEitherPromptChangesNothing) {
    run({"ALL", "", "*Cancel*"});
    run({"ALL", "", "Set", "*Cancel*"});
    EXPECT_THAT(output_, HasSubstr("\n*Cancel*\n"));
    run({"ALL", "", "Minus"});  // input runs out: a cancel
    EXPECT_EQ(elevations(), "2 2 2 2 2 2 2");
    EXPECT_THAT(output_, testing::Not(HasSubstr("Done.")));
}

}  // namespace

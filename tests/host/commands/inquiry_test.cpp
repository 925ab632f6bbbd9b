// The inquiry commands where ezdxf has nothing to say: the drawing's own
// units and precision, answers that cannot be given, and prompts refused.
#include "host_fixture.h"

namespace zcad::testing {
namespace {

class InquiryTest : public HostTest {
protected:
    std::string run(const std::vector<std::string>& lines) { return test::runCommands(lines); }
};

TEST_F(InquiryTest, NumbersFollowTheDrawingsUnitsAndPrecision) {
    ListBuilder("LINE").point(10, 0, 0).point(11, 3, 4).append(db());
    db().setHeaderVar("$LUPREC", {OwnedGroup::integral(70, 2)});
    db().setHeaderVar("$AUPREC", {OwnedGroup::integral(70, 3)});
    std::string out = run({"DIST", "0,0", "3,4"});
    EXPECT_NE(out.find("Distance = 5.00\nAngle in XY Plane = 53.130\nAngle from XY Plane = 0.000\n"
                       "Delta X = 3.00\nDelta Y = 4.00\nDelta Z = 0.00\n"),
              std::string::npos)
        << out;
    // Feet and inches.
    db().setHeaderVar("$LUNITS", {OwnedGroup::integral(70, 4)});
    db().setHeaderVar("$LUPREC", {OwnedGroup::integral(70, 0)});
    out = run({"ID", "18,30"});
    EXPECT_NE(out.find("X = 1'-6\"  Y = 2'-6\"  Z = 0'-0\"\n"), std::string::npos) << out;
    // A direction that rounds to a full turn reads as 0.
    db().setHeaderVar("$AUPREC", {OwnedGroup::integral(70, 0)});
    out = run({"DIST", "0,0", "1,-0.0001"});
    EXPECT_NE(out.find("Angle in XY Plane = 0\n"), std::string::npos) << out;
}

TEST_F(InquiryTest, AnswersThatCannotBeGivenAreRefusedAndAskedAgain) {
    ListBuilder("LINE").point(10, 0, 0).point(11, 10, 0).append(db());
    std::string out = run({"AREA", "0,0", "1,0", "", "*Cancel*"});
    EXPECT_NE(out.find("Three points at least are needed for an area."), std::string::npos) << out;
    out = run({"AREA", "O", "5,0", "*Cancel*"});
    EXPECT_NE(out.find("Selected object has no area."), std::string::npos) << out;
    out = run({"AREA", "", "500,500", "*Cancel*"});
    EXPECT_NE(out.find("No object found there."), std::string::npos) << out;
    out = run({"ID", "N", "500,500", "5,0.1"});
    EXPECT_NE(out.find("No object found there.\nSelect object: 5,0.1\nX = 5.0000  Y = 0.0000  Z = 0.0000\n"),
              std::string::npos)
        << out;
    out = run({"DIST", "here", "0,0", "@0,-2"});
    EXPECT_NE(out.find("Invalid point.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Angle in XY Plane = 270\n"), std::string::npos) << out;
}

TEST_F(InquiryTest, CountOfAnEmptyDrawingAndListOfWhatHasNoOwnValues) {
    EXPECT_NE(run({"COUNT", ""}).find("Total = 0\n"), std::string::npos);
    ListBuilder("3DFACE", "faces").point(10, 0, 0, 1).point(11, 1, 0, 2).point(12, 1, 1, 3).point(13, 0, 1, 4)
        .integer(62, 5).append(db());
    ListBuilder("TEXT", "notes").point(10, 1, 2).real(40, 2.5).text(1, "Lot 7").real(50, 1.5707963267948966)
        .append(db());
    const std::string out = run({"LIST", "ALL", ""});
    EXPECT_NE(out.find("3DFACE  Layer: \"faces\"\nHandle = 20\nColor = 5 (blue)\n"
                       "at point, X = 0.0000  Y = 0.0000  Z = 1.0000\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("at point, X = 0.0000  Y = 1.0000  Z = 4.0000\nTEXT"), std::string::npos) << out;
    EXPECT_NE(out.find("Text = \"Lot 7\"\nHeight = 2.5000\nRotation = 90\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace zcad::testing

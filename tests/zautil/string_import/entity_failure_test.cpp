// Each kind of entity failing in the host: its message, what stays in the
// drawing, and no polyline left open.
#include <string>

#include "string_import_fixture.h"
#include "strings/tr_format.h"

using namespace zastrings;
using namespace zastringimport;

namespace {

struct Failing {
    int makeCall;
    const char* error;
    const char* drawing;
};

}  // namespace

class EntityFailureTest : public StringImportTest {
protected:
    void expectFailure(const Failing& f, bool ur, const std::string& path) {
        SCOPED_TRACE(f.error);
        zcad::test::resetHost();
        output_.clear();
        zcad::test::failEntityMakeAt(f.makeCall);
        const bool result = ur ? importUR(path) : importTR(path);
        // URIN reports a file it read; TRIN fails the import.
        EXPECT_EQ(result, ur);
        EXPECT_EQ(error_, f.error);
        EXPECT_EQ(drawn(), f.drawing);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        // The finishing steps still run, but a failed TR import is not called completed.
        EXPECT_NE(output_.find(ur ? "URIN at end of file" : "Time "), std::string::npos);
        if (!ur) {
            EXPECT_EQ(output_.find("TR Completed"), std::string::npos);
        }
        EXPECT_NE(db().headerVar("$PDMODE"), nullptr);
    }
};

TEST_F(EntityFailureTest, URIN) {
    const auto path = writeUR("survey01.ur1", {rec(1, 0, 0, 0, "RD"), rec(1, 1, 1, 0, "RD"), rec(0, 2, 2, 0, "TREE"),
                                               rec(2, 3, 3, 0, "FP")});
    const Failing cases[] = {
        {1, "Cannot make POLYLINE", ""},
        {2, "Cannot make VERTEX", ""},
        // The record after a string that could not be ended is drawn alone.
        {4, "Cannot make SEQEND", "POINT@TREE"},
        {5, "Cannot make POINT", "POLYLINE@RD VERTEX@RD VERTEX@RD SEQEND@RD"},
        {8, "Cannot make Point", "POLYLINE@RD VERTEX@RD VERTEX@RD SEQEND@RD POINT@TREE"},
    };
    for (const Failing& f : cases) {
        expectFailure(f, true, path);
        EXPECT_NE(output_.find("\rAborting caused by \" " + std::string(f.error) + " \"\n"), std::string::npos);
        const std::string kind = std::string(f.error).substr(12);
        const std::string shown = "Cannot make " + (kind == "Point" ? std::string("POINT") : kind);
        EXPECT_NE(output_.find("ZARVO Software message <" + shown + "\nZarvo_AutoCAD creation sequence fails\n>"),
                  std::string::npos);
    }
    // A string that cannot be ended leaves the next string's first record
    // as a point.
    const auto two = writeUR("survey02.ur1", {rec(1, 0, 0, 0, "RD"), rec(1, 1, 1, 0, "RD"), rec(2, 2, 2, 0, "KB"),
                                              rec(2, 3, 3, 0, "KB")});
    expectFailure({4, "Cannot make SEQEND", "POINT@KB"}, true, two);
}

TEST_F(EntityFailureTest, TRIN) {
    std::string text(kTRHeaderLine);
    appendTRLine(text, 0, 0, 100, 200, 1, "TREE");
    appendTRLine(text, 0, 1, 101, 201, 1, "TREE");
    appendTRLine(text, 1, 2, 102, 202, 1, "RD");
    appendTRLine(text, 1, 3, 103, 203, 1, "KB");
    appendTRLine(text, 2, 4, 104, 204, 1, "FP");
    appendTRLine(text, 2, 5, 105, 205, 1, "FP");
    const auto path = write("survey01.tr1", text);
    const std::string points = "POINT@TREE POINT@TREE";
    const std::string first = points + " POLYLINE@RD VERTEX@RD VERTEX@KB SEQEND@KB";
    const Failing cases[] = {
        {1, "Error creating AutoCAD Point == layer <TREE>\n  x  100.000000  y  200.000000  z  1.000000", ""},
        {2, "Error creating AutoCAD Point == lays <TREE>\n  x  101.000000  y  201.000000  z  1.000000", "POINT@TREE"},
        {3, "Error creating AutoCAD Polyline == layer <RD>\n  x  102.000000  y  202.000000  z  1.000000", points.c_str()},
        {4, "Error creating AutoCAD vertex entity\n", points.c_str()},
        {5, "Error creating AutoCAD Vertex entity\n", points.c_str()},
        {6, "Error creating AutoCAD SEQEND entity\n", points.c_str()},
        {10, "Error creating AutoCAD Polyline SEQEND entity\n", first.c_str()},
    };
    for (const Failing& f : cases) {
        expectFailure(f, false, path);
        const std::string echo = f.makeCall == 1 ? "\rTRIN == " + std::string(f.error) + "\n"
                                                 : "TRIN ==  <" + std::string(f.error) + ">\n";
        EXPECT_NE(output_.find(echo), std::string::npos);
    }
}

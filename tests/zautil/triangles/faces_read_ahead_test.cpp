// Faces and solids come out the same whether the triangles are read ahead on
// a second thread or on the command's own: whole, broken off at a report,
// or stopped at a triangle whose point the file lacks.
#include <limits>
#include <regex>

#include "files/decode_ahead.h"
#include "triangle_fixture.h"

namespace tritest {
namespace {

class FacesReadAhead : public TriangleTest {
protected:
    void TearDown() override {
        zafiles::setDecodeAheadMinimumBytes(256 * 1024);
        TriangleTest::TearDown();
    }

    std::pair<std::string, std::string> run(ImportMethod method, const std::string& path, bool ahead, int poll) {
        zcad::test::resetHost();
        output_.clear();
        zafiles::setDecodeAheadMinimumBytes(ahead ? 0 : std::numeric_limits<std::uint64_t>::max());
        zcad::test::breakAfterPolls(poll);
        importTriangles(options(method, EdgeDisplay::Breaklines), path);
        zcad::test::breakAfterPolls(0);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        static const std::regex kTimes("[0-9]+\\.[0-9]+");
        return {storedBytes(), std::regex_replace(output_, kTimes, "#")};
    }

    void expectAlike(ImportMethod method, const std::string& path, int poll) {
        const auto alone = run(method, path, false, poll);
        const auto ahead = run(method, path, true, poll);
        EXPECT_TRUE(alone.first == ahead.first) << "break " << poll;
        EXPECT_EQ(alone.second, ahead.second) << "break " << poll;
    }
};

TEST_F(FacesReadAhead, FacesAndSolidsComeOutAlikeWholeBrokenOffOrRefused) {
    TerrainShape shape;
    shape.triangles = 20000;
    shape.inactiveEvery = 97;
    TriangleModelData model = generateTerrain(shape);
    const std::string whole = writeModel("terrain1.ut1", model);
    for (const ImportMethod method : {ImportMethod::Faces, ImportMethod::Solids}) {
        for (const int poll : {0, 1, 3, 6, 7}) expectAlike(method, whole, poll);
    }
    // A point past the last, in the third batch: what came before stays.
    model.records[9001].vertices[2] = static_cast<std::int32_t>(model.points.size() + 3);
    model.records[9001].flags |= 1;
    const std::string bad = writeModel("terrain2.ut1", model);
    expectAlike(ImportMethod::Faces, bad, 0);
    EXPECT_NE(output_.find("<Bad UT file (vertex number)>"), std::string::npos);
}

}  // namespace
}  // namespace tritest

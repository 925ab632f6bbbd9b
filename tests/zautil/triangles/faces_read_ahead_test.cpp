// Meshes, faces, solids and catchment strings come out the same whether the
// triangles are read ahead on a second thread or on the command's own: whole, broken off at a report,
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

    // The drawing and the transcript, its times and rate masked (a rate is
    // said only after a second).
    std::string run(ImportMethod method, const std::string& path, bool ahead, int poll) {
        zcad::test::resetHost();
        output_.clear();
        zafiles::setDecodeAheadMinimumBytes(ahead ? 0 : std::numeric_limits<std::uint64_t>::max());
        zcad::test::breakAfterPolls(poll);
        importTriangles(options(method), path);
        zcad::test::breakAfterPolls(0);
        static const std::regex kTimes("[0-9]+\\.[0-9]+|At [0-9]+ triangles per second\n");
        return storedBytes() + std::regex_replace(output_, kTimes, "#");
    }

    void expectAlike(ImportMethod method, const std::string& path, int poll) {
        EXPECT_TRUE(run(method, path, false, poll) == run(method, path, true, poll)) << path << " " << poll;
    }
};

TEST_F(FacesReadAhead, EveryFormReadAheadComesOutAlikeWholeBrokenOffOrRefused) {
    TerrainShape shape;
    shape.triangles = 20000;
    shape.inactiveEvery = 97;
    TriangleModelData model = generateTerrain(shape);
    const std::string whole = writeModel("terrain1.ut1", model);
    for (const ImportMethod method :
         {ImportMethod::Mesh, ImportMethod::Faces, ImportMethod::Solids, ImportMethod::Catchment}) {
        for (const int poll : {0, 1, 3, 6, 7}) expectAlike(method, whole, poll);
    }
    // A point past the last, in the third batch: what came before stays.
    model.records[9001].vertices[2] = static_cast<std::int32_t>(model.points.size() + 3);
    model.records[9001].flags |= 1;
    const std::string refused = writeModel("terrain2.ut1", model);
    expectAlike(ImportMethod::Faces, refused, 0);
    EXPECT_TRUE(printed("<Bad UT file (vertex number)>"));
    expectAlike(ImportMethod::Mesh, refused, 0);
}

}  // namespace
}  // namespace tritest

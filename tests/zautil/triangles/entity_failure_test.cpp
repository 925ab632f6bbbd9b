// Each entity a loader makes failing in the host: its message, what stays
// in the drawing, no sequence left open, and the import's closing steps.
#include <gtest/gtest.h>

#include "triangle_fixture.h"

namespace {

using namespace tritest;

struct Failing {
    int makeCall;
    const char* message;
    std::string drawing;  // the types left, in order
};

class EntityFailure : public TriangleTest {
protected:
    void expectFailure(ImportMethod method, const std::string& path, const Failing& f) {
        SCOPED_TRACE(std::string(f.message) + " at call " + std::to_string(f.makeCall));
        zcad::test::resetHost();
        output_.clear();
        zcad::test::failEntityMakeAt(f.makeCall);
        importTriangles(options(method), path);
        EXPECT_NE(output_.find("ZARVO Software message <" + std::string(f.message) + ">"), std::string::npos) << output_;
        EXPECT_EQ(storedTypes(), f.drawing);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        EXPECT_EQ(output_.find("\nUTIN Completed in "), std::string::npos);
    }
};

TEST_F(EntityFailure, FacesAndSolids) {
    const std::string path = writeModel("square01.ut1", square());
    expectFailure(ImportMethod::Faces, path, {1, "Cannot make 3DFACE\nZarvo_AutoCAD code error", ""});
    expectFailure(ImportMethod::Faces, path, {2, "Cannot make 3DFACE\nZarvo_AutoCAD code error", "3DFACE "});
    expectFailure(ImportMethod::Solids, path, {2, "Cannot make SOLID\nZarvo_AutoCAD UT file open error\n", "SOLID "});
}

TEST_F(EntityFailure, MeshDropsTheWholeMesh) {
    const std::string path = writeModel("square01.ut1", square());
    const Failing cases[] = {
        {1, "Cannot make POLYLINE\nZarvo_AutoCAD code error\n", ""},
        {3, "Cannot make PtVERTEX\nZarvo_AutoCAD code error\n", ""},
        {7, "Cannot make TriVERTEX\nZarvo_AutoCAD code error\n", ""},
        {8, "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n", ""},
    };
    for (const Failing& f : cases) {
        expectFailure(ImportMethod::Mesh, path, f);
        EXPECT_NE(output_.find("Time is "), std::string::npos);
    }
}

TEST_F(EntityFailure, CatchmentsKeepTheStringsBeforeTheFailure) {
    const std::string path = writeModel("square01.ut1", square());
    const std::string one = "POLYLINE VERTEX VERTEX SEQEND ";
    const Failing cases[] = {
        {1, "Cannot make POLYLINE\nZarvo_AutoCAD creation sequence fails\n", ""},
        {2, "Cannot make VERTEX\nZarvo_AutoCAD code error\n", ""},
        {3, "Cannot make VERTEX\nZarvo_AutoCAD code error\n", ""},
        {4, "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n", ""},
        {7, "Cannot make VERTEX\nZarvo_AutoCAD code error\n", one},
        {20, "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n", one + one + one + one},
    };
    for (const Failing& f : cases) {
        expectFailure(ImportMethod::Catchment, path, f);
        EXPECT_NE(output_.find("\nNumber of Streams "), std::string::npos);
    }
}

TEST_F(EntityFailure, MeshesInPiecesKeepThoseAlreadyWhole) {
    TerrainShape shape;
    shape.triangles = 70000;
    const std::string path = writeModel("terrain1.ut1", generateTerrain(shape));
    // The first mesh takes 32,767 faces and about 16,700 vertices: this is a
    // vertex of the second.
    zcad::test::failEntityMakeAt(50000);
    importTriangles(options(ImportMethod::Mesh), path);
    EXPECT_NE(output_.find("ZARVO Software message <Cannot make PtVERTEX"), std::string::npos);
    EXPECT_FALSE(zcad::test::sequenceOpen());
    const auto entities = storedEntities();
    ASSERT_FALSE(entities.empty());
    EXPECT_EQ(entities.back().type, "SEQEND");
    int meshes = 0;
    for (const Stored& e : entities) meshes += e.type == "POLYLINE" ? 1 : 0;
    EXPECT_EQ(meshes, 1);
}

}  // namespace

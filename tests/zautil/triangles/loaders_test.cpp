// What each loader draws beyond the geometry ezdxf checks in UtinDxf: the
// layers and their colours, the flags, the summaries, and bad files.
#include <gtest/gtest.h>

#include "triangle_fixture.h"

namespace {

using namespace tritest;

class Loaders : public TriangleTest {};

// Corners and invisible edges per display mode are checked by ezdxf in UtinDxf.
TEST_F(Loaders, FacesGoOnTheirPaintLayersAndBoundariesShowAsBreaklines) {
    importTriangles(options(ImportMethod::Faces, EdgeDisplay::BoundariesStreamsRidges), writeModel("square01.ut1", square()));
    const auto faces = stored("3DFACE");
    ASSERT_EQ(faces.size(), 2u) << output_;
    // Lower: only its edge 1 is a breakline; upper: only its edge 2.
    EXPECT_EQ(faces[0].integer(70), 7);
    EXPECT_EQ(faces[1].integer(70), 14);
    EXPECT_EQ(faces[0].text(8), "try003");
    EXPECT_EQ(faces[1].text(8), "try255");
    EXPECT_NE(output_.find("4 points, 7 triangles\n"), std::string::npos);
}

TEST_F(Loaders, AspectsNameTheSolidsLayers) {
    zaSettings().colourLayers = true;
    const std::string path = writeModel("square01.ut1", square());
    TriangleOptions o = options(ImportMethod::Solids, EdgeDisplay::Breaklines, 3);
    o.colourLayers = true;
    importTriangles(o, path);
    const auto solids = stored("SOLID");
    ASSERT_EQ(solids.size(), 2u) << output_;
    // Both fall to the south.
    EXPECT_EQ(solids[0].text(8), "ang180");
    EXPECT_EQ(solids[1].text(8), "ang180");
    EXPECT_NE(output_.find("Use 36 layers at 10 degrees\nColour control set up (1).\n"), std::string::npos);
    EXPECT_NE(output_.find("  at 18\n"), std::string::npos);
    EXPECT_EQ(layerColour("ang180"), 2);  // the 19th colour of the sequence
}

TEST_F(Loaders, SlopesGoThroughTheControlFileAndItsFailuresDrawNothing) {
    const std::string path = writeModel("square01.ut1", square());
    const std::string ctl = write("slopes.ctl", "# by slope\r\n0 flat\r\n30 steep\r\n");
    TriangleOptions o = options(ImportMethod::Faces, EdgeDisplay::Breaklines, 2);
    o.ctlPath = ctl;
    importTriangles(o, path);
    for (const Stored& face : stored("3DFACE")) EXPECT_EQ(face.text(8), "STEEP");  // 50 %
    EXPECT_NE(output_.find("Control file is \"" + ctl + "\"\nLayer Map:\n  0.00% and over: FLAT\n 30.00% and over: STEEP\n"
                           "Colour control set up (1).\nLayer control file okay \n\nLoading <"),
              std::string::npos)
        << output_;

    zcad::test::resetHost();
    output_.clear();
    o.ctlPath = write("falling.ctl", "30 steep\n0 flat\n");
    importTriangles(o, path);
    EXPECT_NE(output_.find("Slope must be greater than in previous control file entry\nZarvo_AutoCAD control file "
                           "not in ascending order of slope\n"),
              std::string::npos);
    EXPECT_NE(output_.find("Colour control set up (0).\nLayer control file failed  \n"), std::string::npos);
    EXPECT_EQ(storedTypes(), "");

    output_.clear();
    o.ctlPath = dir_ + "missing.ctl";
    o.method = ImportMethod::Solids;
    importTriangles(o, path);
    EXPECT_NE(output_.find("Cannot open layer control file\nZarvo_AutoCAD layer file not found\n"), std::string::npos);
    EXPECT_EQ(output_.find("as SOLIDs"), std::string::npos);
    EXPECT_EQ(storedTypes(), "");
}

// A name the drawing refuses as a layer leaves its paint number on its numbered layer.
TEST_F(Loaders, PaintNumbersTakeTheNamesOfTheTriangleLayerFile) {
    const std::string path = writeModel("square01.ut1", square());
    const std::string lay = write(install_ + "triangle.lay",
                                  "<zarvo_triangle_lay><name_of_layer><layer colour=\"3\" name=\"GRASS\" texture=\"2\"/>"
                                  "<layer colour=\"255\" name=\"KERB/CHANNEL\"/></name_of_layer></zarvo_triangle_lay>");
    TriangleOptions o = options(ImportMethod::Faces);
    o.useTriangleLayerFile = true;
    o.colourLayers = true;
    importTriangles(o, path);
    const auto faces = stored("3DFACE");
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0].text(8), "GRASS");
    EXPECT_EQ(faces[1].text(8), "try255");
    EXPECT_NE(output_.find("Layer name \"KERB/CHANNEL\" of paint number 255 refused, using try255\n"), std::string::npos);
    EXPECT_NE(output_.find("\nTriangle layer \nTriangle layer file <" + lay + "> reading\nloaded\n2 records read\n"
                           "closing\n\nTriangle layer \"" + lay + "\" \n"),
              std::string::npos)
        << output_;
    EXPECT_EQ(layerColour("GRASS"), 9);
    EXPECT_EQ(layerColour("try255"), 149);
}

TEST_F(Loaders, TheMeshAndItsPointsHaveTheirLayersAndHiddenEdgesAreNegated) {
    const std::string path = writeModel("square01.ut1", square());
    TriangleOptions o = options(ImportMethod::Mesh);
    o.colourLayers = true;
    importTriangles(o, path);
    EXPECT_EQ(storedTypes(), "POLYLINE VERTEX VERTEX VERTEX VERTEX VERTEX VERTEX SEQEND ");
    const auto all = storedEntities();
    EXPECT_EQ(all[0].text(8), "Mesh");
    EXPECT_EQ(all[3].text(8), "Points");
    EXPECT_EQ(all[7].text(8), "0");
    EXPECT_EQ(layerColour("Mesh"), 33);
    EXPECT_EQ(layerColour("Points"), 91);
    EXPECT_NE(output_.find("4 points, 7 triangles, 2 active triangles\n"), std::string::npos);

    zcad::test::resetHost();
    importTriangles(options(ImportMethod::Mesh, EdgeDisplay::None), path);
    EXPECT_EQ(storedEntities()[6].integer(71), -1);  // the diagonal hidden too
}

TEST_F(Loaders, CatchmentsDrawEachEdgeOnceFromTheLaterTriangle) {
    const std::string square01 = writeModel("square01.ut1", square());
    TriangleOptions o = options(ImportMethod::Catchment);
    o.colourLayers = true;
    importTriangles(o, square01);
    // The lower triangle's two boundary edges, then the upper's two, then
    // the diagonal they share, drawn with the upper.
    const auto lines = stored("POLYLINE");
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[i].text(8), "Boundary");
    EXPECT_EQ(lines[4].text(8), "slope");
    EXPECT_NE(output_.find("  at 0\n  at 1\n  at 2\n"), std::string::npos);
    EXPECT_EQ(layerColour("slope"), 7);
    EXPECT_NE(output_.find("\nNumber of Streams 0 and Ridges 0 and Slopes 1 and\nNumber of Flats 0 and Edges 0 and "
                           "Diplines 0\n"),
              std::string::npos);
}

TEST_F(Loaders, ACatchmentNeighbourOutsideTheFileIsRefusedBeforeAnythingIsDrawn) {
    TriangleModelData model = square();
    model.records[1].neighbours[2] = 7;  // one past the last record
    importTriangles(options(ImportMethod::Catchment), writeModel("square01.ut1", model));
    EXPECT_NE(output_.find("Bad UT file (prescan: neighbour number)\nZarvo_AutoCAD triangle file has invalid format\n"),
              std::string::npos);
    EXPECT_EQ(storedTypes(), "");
    // The faces never read neighbours.
    importTriangles(options(ImportMethod::Faces), writeModel("square01.ut1", model));
    EXPECT_EQ(stored("3DFACE").size(), 2u);
}

TEST_F(Loaders, EachLoaderRefusesABadFileWithItsOwnWords) {
    TriangleModelData model = square();
    model.records[1].vertices[1] = 7;  // one past the last point
    const std::string path = writeModel("square01.ut1", model);
    const std::pair<ImportMethod, const char*> cases[] = {
        {ImportMethod::Faces, "<Bad UT file (vertex number)>"},
        {ImportMethod::Solids, "<Bad UT file (vertex number)>"},
        {ImportMethod::Mesh, "<Bad UT file (prescan: vertex number)\nZarvo_AutoCAD triangle file has invalid format\n>"},
        {ImportMethod::Catchment,
         "<Bad UT file (prescan: vertex number)\nZarvo_AutoCAD triangle file has invalid format\n>"},
    };
    for (const auto& [method, message] : cases) {
        zcad::test::resetHost();
        output_.clear();
        importTriangles(options(method), path);
        EXPECT_NE(output_.find(message), std::string::npos) << output_;
        // The faces and solids before the bad one stay; the prescan draws nothing.
        const bool prescanned = method == ImportMethod::Mesh || method == ImportMethod::Catchment;
        EXPECT_EQ(storedEntities().size(), prescanned ? 0u : 1u);
        // A file that was not read through is not called completed.
        EXPECT_EQ(output_.find("\nUTIN Completed in "), std::string::npos);
    }
    output_.clear();
    importTriangles(options(ImportMethod::Faces), dir_ + "short.ur1");
    EXPECT_NE(output_.find("<Not a UT file\nZarvo_AutoCAD UT file open error\n>"), std::string::npos);
    output_.clear();
    importTriangles(options(ImportMethod::Mesh), dir_ + "nothing.ut1");
    EXPECT_NE(output_.find("<Cannot open UP file\nZarvo_AutoCAD triangle point file has invalid format\n>"),
              std::string::npos);
    EXPECT_NE(output_.find("Time is "), std::string::npos);
}

}  // namespace

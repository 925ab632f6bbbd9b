// Extents, the zoom that ends an import, the colouring of layers and the
// open-file dialog, as every import uses them.
#include <string>
#include <vector>

#include "../layers/zarvo_fixture.h"
#include "import/colour_sequence.h"
#include "import/import_view.h"
#include "import/layer_colouring.h"
#include "import/open_file_dialog.h"

namespace {

using zaimport::ImportExtents;

// Points that only ever move west and south.
const std::vector<std::pair<double, double>> kSouthWest = {{500, 900}, {300, 700}, {100, 200}};

TEST(ImportExtents, EachValueAgainstBothBoundsOrTheLowerFirst) {
    ImportExtents both;
    ImportExtents lowerFirst;
    for (const auto& [x, y] : kSouthWest) {
        both.take(x, y);
        lowerFirst.takeLowerFirst(x, y);
    }
    EXPECT_TRUE(both.hasArea());
    EXPECT_EQ(both.maxX, 500);
    EXPECT_EQ(both.minY, 200);
    // Each point lowered the minimum, so none was compared with the maximum.
    EXPECT_FALSE(lowerFirst.hasArea());
    EXPECT_EQ(lowerFirst.minX, 100);
    EXPECT_EQ(lowerFirst.maxX, -9e9);

    lowerFirst.takeLowerFirst(900, 950);
    EXPECT_TRUE(lowerFirst.hasArea());
    EXPECT_FALSE(ImportExtents{}.hasArea());
}

class ImportView : public ZarvoTest {
protected:
    // Whether the view had been set when the east line was printed.
    std::optional<bool> zoomedWhenReported() {
        std::optional<bool> zoomed;
        zcad::setOutputSink([&](std::string_view text) {
            output_ += text;
            if (text.find("East") != std::string_view::npos) zoomed = db().view.set;
        });
        ImportExtents extents;
        extents.take(10, 20);
        extents.take(110, 70);
        zaimport::zoomToImport(extents, report_);
        return zoomed;
    }
    zaimport::ExtentsReport report_{"E %.1f %.1f|", "N %.1f %.1f|", true};
};

TEST_F(ImportView, TheWindowIsReportedBeforeOrAfterTheZoomAsAsked) {
    EXPECT_EQ(zoomedWhenReported(), std::nullopt);  // no "East" in this report
    EXPECT_TRUE(printed("E 10.0 110.0|N 20.0 70.0|"));
    EXPECT_NEAR(db().view.centre[0], 60, 1e-9);
    EXPECT_NEAR(db().view.centre[1], 45, 1e-9);

    zcad::test::resetHost();
    report_ = {"East %.0f %.0f\n", "North %.0f %.0f\n", true};
    EXPECT_EQ(zoomedWhenReported(), false);
    zcad::test::resetHost();
    report_.beforeZoom = false;
    EXPECT_EQ(zoomedWhenReported(), true);
}

TEST_F(ImportView, ExtentsWithoutAnAreaZoomToTheDrawingUnreported) {
    ASSERT_EQ(makeLine(0, 0, 40, 30), RTNORM);
    ImportExtents line;
    line.take(5, 0);
    line.take(5, 90);
    zaimport::zoomToImport(line, report_);
    EXPECT_FALSE(printed("E "));
    EXPECT_NEAR(db().view.centre[0], 20, 1e-9);  // the drawing's extents
}

TEST_F(ImportView, LayersTakeTheSequenceByIndexInOneCommand) {
    for (const char* layer : {"A", "B", "C"}) ASSERT_EQ(makeLine(0, 0, 1, 1, layer), RTNORM);
    {
        zaimport::LayerColouring colouring;
        colouring.colour("A", 0);
        colouring.colour("B", 250);
        colouring.colour("C", zaLayerColourSequence.size());  // past the sequence: left alone
    }
    EXPECT_EQ(layerColour("A"), 1);
    EXPECT_EQ(layerColour("B"), zaLayerColourSequence[250]);
    EXPECT_EQ(layerColour("C"), 7);  // as made
    // The command has ended: the next words are a command of their own.
    zaimport::showPointsAsCrosses();
    ASSERT_NE(db().headerVar("$PDMODE"), nullptr);
    EXPECT_EQ(db().headerVar("$PDMODE")->groups.at(0).integer, 3);
}

TEST_F(ImportView, TheDialogOffersTheNameAndInsistsOnAFileOnlyWhenAsked) {
    const std::string existing = write("a.p01", "");
    driver().answerNextFile(dir_ + "missing.p01");
    EXPECT_EQ(zaimport::chooseFileToOpen("Open", "All (*.*)|*.*||", dir_), dir_ + "missing.p01");
    // A file that must exist is asked for again.
    driver().answerNextFile(dir_ + "missing.p01");
    driver().answerNextFile(existing);
    EXPECT_EQ(zaimport::chooseFileToOpen(
                  {.title = "Open", .filter = "", .directory = dir_, .proposedName = "b.p11", .mustExist = true}),
              existing);
    const zplat::FileRequest& request = driver().fileRequests().back();
    EXPECT_EQ(request.fileName, "b.p11");
    EXPECT_EQ(request.initialDir + "/", dir_);
    driver().answerNextFile(std::nullopt);
    EXPECT_EQ(zaimport::chooseFileToOpen("Open", "", ""), std::nullopt);
}

}  // namespace

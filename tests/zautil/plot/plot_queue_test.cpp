// plot.que, its dialog and PQIN: what is listed, what is written back, each
// button, moving to another queue, and drawing the file chosen.
#include <gmock/gmock.h>

#include <platform/test_driver.h>
#include <platform/user_input.h>

#include <filesystem>
#include <string>

#include "plot/plot_queue.h"
#include "plot/plot_queue_dialog.h"
#include "plot/pqin.h"
#include "plot_export_fixture.h"
#include "plot_records.h"
#include "settings/current_job.h"
#include "settings/za_env.h"

namespace {

using testing::HasSubstr;
using testing::Not;

const std::string kQueue =
    ":PLOT.QUE:2\r\n"
    "\r\n"
    "kept because the header claims it\r\n"
    "abcdefgh.p01  # from the design program\r\n"
    "abcdefgh.p01\r\n"
    " a line that begins with a space\r\n"
    "C:\\jobs\\other\\zyxwvuts.p02   \r\n"
    "#only a note\n"
    ":a header line\r\n"
    "lastfile.p03";

class PlotQueueTest : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        tables({{5, 0, 0, "ROAD", "ROADTXT", "standard"}});
        ASSERT_TRUE(zaSetCurrentJob(dir_ + "abcdefgh.p01"));
    }
    // A file of the test's directory, in a folder of its own when named.
    std::string put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(dir_ + name).parent_path());
        return write(name, bytes);
    }
    ZaPlotQueue queueOf(const std::string& text) {
        ZaPlotQueue queue(dir_);
        auto source = zafiles::memorySource(std::span<const char>(text.data(), text.size()));
        queue.read(*source);
        return queue;
    }
    static void click(zplat::Dialog& dialog, int id) { zplat::user::click(*dialog.item(id)); }
    static zplat::ListBox& list(zplat::Dialog& dialog) { return *dialog.itemAs<zplat::ListBox>(ZPlotQueueDlg::kList); }
    std::string lastBox() { return driver().boxes().empty() ? "" : driver().boxes().back().box.text; }
};

TEST_F(PlotQueueTest, ListsEachPlotFileOnceByNameOrPathWithoutComments) {
    const ZaPlotQueue queue = queueOf(kQueue);
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue.name(0), "abcdefgh.p01");
    EXPECT_EQ(queue.name(1), "zyxwvuts.p02");  // a path's file, in the queue's own directory
    EXPECT_EQ(queue.fullPath(1), dir_ + "zyxwvuts.p02");
    EXPECT_EQ(queue.name(2), "lastfile.p03");
    EXPECT_EQ(queueOf(":PLOT.QUE\nx.p01\ny.p01\nz.p01\nfile.p01\n").size(), 1u);  // three header lines by default
    EXPECT_EQ(queueOf(":PLOT.QUE:-4\nx.p01\n").size(), 1u);
    EXPECT_EQ(zaPlotQueueEntryName("name.p01 more words"), "name.p01");
    EXPECT_EQ(zaPlotQueueEntryName("d:/dir/name with blank.p01 # note"), "name with blank.p01");
}

TEST_F(PlotQueueTest, WritesBackWhatItReadWithCrlfAndOnlyFilesThatExist) {
    write("abcdefgh.p01", "00");
    write("zyxwvuts.p02", "00");
    write("newfile1.p04", "00");
    write("plot.que", kQueue);
    ZaPlotQueue queue(dir_);
    ASSERT_TRUE(queue.load());
    EXPECT_TRUE(queue.add("newfile1.p04"));
    EXPECT_FALSE(queue.add("zyxwvuts.p02"));
    const std::string expected =
        ":PLOT.QUE:2\r\n\r\nkept because the header claims it\r\nabcdefgh.p01  # from the design program\r\n"
        "C:\\jobs\\other\\zyxwvuts.p02   \r\n#only a note\r\n:a header line\r\nnewfile1.p04\r\n";
    EXPECT_EQ(queue.write(), 8u);
    EXPECT_EQ(read(dir_ + "plot.que"), expected);
    // Read and written again, it stays the same: no line grows a blank.
    ZaPlotQueue again(dir_);
    ASSERT_TRUE(again.load());
    again.remove(0);
    EXPECT_EQ(again.write(), 7u);
    EXPECT_EQ(read(dir_ + "plot.que"), std::string(expected).erase(expected.find("abcdefgh"), 41));
    EXPECT_EQ(again.name(0), "zyxwvuts.p02");
}

TEST_F(PlotQueueTest, AQueueThatCannotBeWrittenIsReported) {
    write("abcdefgh.p01", "00");
    std::filesystem::create_directory(dir_ + "plot.que");  // in the way of the file
    driver().onNextDialog([](zplat::Dialog& d) {
        click(d, ZPlotQueueDlg::kAddFile);
        click(d, ZPlotQueueDlg::kQuit);
    });
    driver().answerNextFile(dir_ + "abcdefgh.p01");
    ZPlotQueueDlg dialog;
    EXPECT_EQ(dialog.doModal(), zplat::IDCANCEL);
    EXPECT_THAT(output_, HasSubstr("ZARVO Software message <Cannot write the plot queue file '" + dir_ +
                                   "plot.que'\nThe changes to the queue are lost\nZarvo_AutoCAD filing problem>"));
}

TEST_F(PlotQueueTest, EachButtonDoesItsWork) {
    for (const char* name : {"abcdefgh.p01", "zyxwvuts.p02", "lastfile.p03", "newfile1.p04"}) write(name, "00");
    put("other/elsewher.p01", "00");
    write("plot.que", kQueue);
    driver().answerNextFile(dir_ + "other/elsewher.p01");
    driver().answerNextFile(dir_ + "zyxwvuts.p02");
    driver().answerNextFile(dir_ + "newfile1.p04");
    driver().answerNextFile(std::nullopt);
    driver().onNextDialog([this](zplat::Dialog& d) {
        EXPECT_EQ(d.itemText(ZPlotQueueDlg::kDirectory), dir_);
        EXPECT_EQ(list(d).items(), (std::vector<std::string>{"abcdefgh.p01", "zyxwvuts.p02", "lastfile.p03"}));
        click(d, ZPlotQueueDlg::kLoadFile);
        EXPECT_EQ(lastBox(), "Please select a plot file from list box first!");
        click(d, ZPlotQueueDlg::kAddFile);
        EXPECT_EQ(lastBox(), "The file selected has to be in the same directory as plot.que file.");
        click(d, ZPlotQueueDlg::kAddFile);
        EXPECT_EQ(lastBox(), "The file selected is already in the queue.");
        click(d, ZPlotQueueDlg::kAddFile);
        EXPECT_EQ(list(d).curSel(), 3);
        click(d, ZPlotQueueDlg::kAddFile);  // cancelled
        zplat::user::select(list(d), 1);
        click(d, ZPlotQueueDlg::kRemoveFile);
        zplat::user::select(list(d), 0);
        click(d, ZPlotQueueDlg::kDeleteFile);
        EXPECT_EQ(list(d).items(), (std::vector<std::string>{"lastfile.p03", "newfile1.p04"}));
        zplat::user::doubleClick(list(d), 1);
    });
    ZPlotQueueDlg dialog;
    EXPECT_EQ(dialog.doModal(), zplat::IDOK);
    EXPECT_EQ(dialog.chosenFile(), dir_ + "newfile1.p04");
    EXPECT_FALSE(dialog.reopen());
    EXPECT_TRUE(std::filesystem::exists(dir_ + "zyxwvuts.p02"));    // removed: left on disk
    EXPECT_FALSE(std::filesystem::exists(dir_ + "abcdefgh.p01"));  // deleted
    EXPECT_EQ(read(dir_ + "plot.que"),
              ":PLOT.QUE:2\r\n\r\nkept because the header claims it\r\n#only a note\r\n:a header line\r\nlastfile.p03\r\n"
              "newfile1.p04\r\n");
    EXPECT_THAT(output_, HasSubstr("file \"" + dir_ + "plot.que\" \n"));
    EXPECT_THAT(output_, HasSubstr("\n*Add Plotfile - Cancelled*\n"));
    EXPECT_THAT(output_, HasSubstr("\nDelete file. \"" + dir_ + "zyxwvuts.p02\" at 1 of 4\n"));
    EXPECT_THAT(output_, HasSubstr("\nDelete file. \"" + dir_ + "abcdefgh.p01\" at 0 of 3\n"));
    EXPECT_THAT(output_, HasSubstr("file \"" + dir_ + "plot.que\" written out 7 lines\n"));
    EXPECT_THAT(output_, HasSubstr("File \"" + dir_ + "newfile1.p04\" selected \n"));
    EXPECT_EQ(driver().fileRequests().at(0).initialDir + "/", dir_);
}

TEST_F(PlotQueueTest, QuitKeepsAnAddedFileAndAnEmptyQueueOffersNothingToLoad) {
    write("abcdefgh.p01", "00");
    driver().answerNextFile(dir_ + "abcdefgh.p01");
    driver().onNextDialog([](zplat::Dialog& d) {
        for (const int id : {ZPlotQueueDlg::kLoadFile, ZPlotQueueDlg::kRemoveFile, ZPlotQueueDlg::kDeleteFile}) {
            EXPECT_FALSE(d.itemEnabled(id));
        }
        click(d, ZPlotQueueDlg::kAddFile);
        EXPECT_TRUE(d.itemEnabled(ZPlotQueueDlg::kLoadFile));
        click(d, ZPlotQueueDlg::kQuit);
    });
    ZPlotQueueDlg dialog;
    EXPECT_EQ(dialog.doModal(), zplat::IDCANCEL);
    EXPECT_EQ(dialog.chosenFile(), "");
    EXPECT_EQ(read(dir_ + "plot.que"), "abcdefgh.p01\r\n");
}

TEST_F(PlotQueueTest, ChoosingAnotherQueueMakesItsJobCurrentAndReopens) {
    put("other/oldjob.dat", "zyxwvutsB\r\n");
    put("third/plot.que", "");
    driver().answerNextFile(std::nullopt);
    driver().answerNextFile(dir_ + "other/plot.que");
    driver().answerNextFile(dir_ + "third/plot.que");
    driver().onNextDialog([](zplat::Dialog& d) {
        click(d, ZPlotQueueDlg::kChooseQueue);  // cancelled
        EXPECT_TRUE(d.running());
        click(d, ZPlotQueueDlg::kChooseQueue);
    });
    ZPlotQueueDlg first;
    EXPECT_EQ(first.doModal(), zplat::IDOK);
    EXPECT_TRUE(first.reopen());
    EXPECT_THAT(output_, HasSubstr("\n*Browse For new path - Cancelled*\n"));
    EXPECT_THAT(output_, HasSubstr("File 3 check " + dir_ + "other/zyxwvuts.xxB  9\n"));
    EXPECT_EQ(ZsAcEnviron().currentJob, dir_ + "other/zyxwvuts.xxB");

    // No oldjob.dat there: the job is unknown, of run 1.
    driver().onNextDialog([](zplat::Dialog& d) { click(d, ZPlotQueueDlg::kChooseQueue); });
    ZPlotQueueDlg second;
    second.doModal();
    EXPECT_EQ(ZsAcEnviron().currentJob, dir_ + "third/unknownf.xx1");
}

class Pqin : public PlotQueueTest {
protected:
    void choose(int entry) {
        driver().onNextDialog([entry](zplat::Dialog& d) {
            zplat::user::select(list(d), entry);
            click(d, ZPlotQueueDlg::kLoadFile);
        });
    }
};

TEST_F(Pqin, DrawsTheChosenFileAfterMovingToItsQueue) {
    zaSettings().saveJobPFIN = true;
    put("jobs/plot.que", "plotfile.p01\r\ngone0000.p01\r\n");
    put("jobs/plotfile.p01", narrow(5, 5) + move(0, 0) + draw(10, 0) + draw(10, 10) + narrow(0));
    driver().answerNextFile(dir_ + "jobs/plot.que");
    driver().onNextDialog([](zplat::Dialog& d) { click(d, ZPlotQueueDlg::kChooseQueue); });
    choose(0);
    zaPQIN();
    EXPECT_EQ(storedTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND ");
    EXPECT_EQ(storedEntities()[0].text(8), "ROAD");
    EXPECT_THAT(output_, HasSubstr("\n*Plot Job has been saved as current job.*\n*Import Plot.que Completed*\n"));
    EXPECT_EQ(ZsAcEnviron().currentJob, dir_ + "jobs/plotfile.xx1");

    // A queued file that is no longer there.
    choose(1);
    zaPQIN();
    EXPECT_THAT(output_, HasSubstr("\nThe selected plot file '" + dir_ + "jobs/gone0000.p01' does not exist\n"));
}

TEST_F(Pqin, EntitiesTheHostRefusesLeaveNoPolylineOpen) {
    write("plot.que", "plotfile.p01\r\n");
    write("plotfile.p01", move(0, 0) + draw(1, 0) + draw(1, 1) + move(5, 5) + draw(6, 6) + narrow(0));
    // The polyline's header, a vertex, its end; then the line after it.
    const std::pair<int, const char*> cases[] = {
        {1, "LINE "}, {3, "LINE "}, {5, "LINE "}, {6, "POLYLINE VERTEX VERTEX VERTEX SEQEND "}};
    for (const auto& [failing, drawn] : cases) {
        SCOPED_TRACE(failing);
        zcad::test::resetHost();
        output_.clear();
        zcad::test::failEntityMakeAt(failing);
        choose(0);
        zaPQIN();
        EXPECT_FALSE(zcad::test::sequenceOpen());
        EXPECT_EQ(storedTypes(), drawn);
        EXPECT_THAT(output_, HasSubstr("*Import Plot.que Completed*\n"));
    }

    // Quitting draws nothing; without plot.pen nothing is shown at all.
    zcad::test::resetHost();
    output_.clear();
    driver().onNextDialog([](zplat::Dialog& d) { click(d, ZPlotQueueDlg::kQuit); });
    zaPQIN();
    EXPECT_EQ(storedTypes(), "");
    EXPECT_THAT(output_, Not(HasSubstr("Completed")));
    std::filesystem::remove(install_ + "plot.pen");
    zaPQIN();
    EXPECT_THAT(output_, HasSubstr("plot.pen does not exist"));
    EXPECT_EQ(driver().dialogsOpened().size(), 5u);
}

}  // namespace

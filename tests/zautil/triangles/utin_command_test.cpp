// UTIN as the user meets it: which questions come in each combination of
// "use dialogs" and "use defaults", what the answers keep, the current job,
// and the summary.
#include <gtest/gtest.h>

#include <platform/user_input.h>

#include "settings/current_job.h"
#include "settings/settings_store.h"
#include "triangle_fixture.h"
#include "triangles/lut_dialog.h"
#include "triangles/utin.h"

namespace {

using namespace tritest;

class Utin : public TriangleTest {
protected:
    void SetUp() override {
        TriangleTest::SetUp();
        square_ = writeModel("square01.ut1", square());
    }
    bool asked(const std::string& prompt) const { return printed(prompt); }
    std::string square_;
};

constexpr const char* kEdgePrompt = "Show Triangle edges, None, All Breaklines, Ridges (N/A/B/R) <";
constexpr const char* kMethodPrompt = "as 3D polyface mesh, 2D SOLIDs or 3DFACEs?\nMesh/Solids/Faces <";

TEST_F(Utin, WithoutDialogsOrDefaultsAsksEdgesThenFileThenMethod) {
    ZaSettings inRegistry;
    ASSERT_TRUE(zaCreateDefaultSettings(inRegistry));
    zaSettings().useDialogs = false;
    answer({"All", "f"});
    driver().answerNextFile(square_);
    zaUTIN();
    const auto edges = output_.find(std::string(kEdgePrompt) + "Breaklines only>: All");
    const auto job = output_.find("Current Zarvo job \"" + install_ + "unknownf.xx1\" ");
    const auto method = output_.find("Load \"" + square_ + "\" " + kMethodPrompt + "MESH>: f");
    ASSERT_NE(edges, std::string::npos) << output_;
    ASSERT_NE(method, std::string::npos) << output_;
    EXPECT_LT(edges, job);
    EXPECT_LT(job, method);
    EXPECT_EQ(driver().fileRequests().at(0).initialDir + "/", install_);
    // Faces with all edges shown; the triangle layer file is not read.
    EXPECT_EQ(stored("3DFACE").size(), 2u);
    EXPECT_EQ(stored("3DFACE")[0].integer(70), 0);
    EXPECT_FALSE(printed("Triangle layer file <"));
    EXPECT_NE(output_.find("\nUTIN Completed in "), std::string::npos);
    // The edges are kept for next time, the method is not.
    EXPECT_EQ(zaSettings().utEdges, 1);
    ZaSettings read;
    ASSERT_TRUE(zaReadSettingsGroup(read, ZaSettingsGroup::UtImport));
    EXPECT_EQ(read.utEdges, 1);
    EXPECT_EQ(read.utMethod, 0);
}

TEST_F(Utin, TheMethodPromptTakesTheShownDefaultAndEveryKeyword) {
    zaSettings().useDialogs = false;
    zaSettings().utMethod = 3;
    answer({"", ""});  // edges as they are, then the method shown
    driver().answerNextFile(square_);
    zaUTIN();
    EXPECT_TRUE(asked(std::string(kMethodPrompt) + "CATCH>: "));
    EXPECT_TRUE(printed("Load triangles as a Catchment Strings \n"));

    zcad::test::resetHost();
    answer({"R", "cat"});
    driver().answerNextFile(square_);
    zaUTIN();
    EXPECT_TRUE(printed("Load triangles as a Catchment Strings \n"));
    EXPECT_EQ(zaSettings().utEdges, 3);

    answer({"", "*Cancel*"});
    driver().answerNextFile(square_);
    output_.clear();
    zaUTIN();
    EXPECT_FALSE(printed("Load triangles"));
}

TEST_F(Utin, WithoutDialogsButWithDefaultsAsksEdgesAndFileOnly) {
    zaSettings().useDialogs = false;
    zaSettings().utUseDefaults = true;
    zaSettings().utMethod = 1;
    answer({"None"});
    driver().answerNextFile(square_);
    zaUTIN();
    EXPECT_TRUE(asked(kEdgePrompt));
    EXPECT_FALSE(asked(kMethodPrompt));
    EXPECT_EQ(stored("SOLID").size(), 2u);
    EXPECT_TRUE(printed("\nTriangle layer \nTriangle layer file <" + dir_ + "zarvo/triangle.lay> file failed to open "
                        "ignored\n"));
}

TEST_F(Utin, WithDialogsAndDefaultsShowsOnlyTheFileDialog) {
    zaSettings().utUseDefaults = true;
    zaSettings().utMethod = 2;
    driver().answerNextFile(square_);
    zaUTIN();
    EXPECT_FALSE(asked(kEdgePrompt));
    EXPECT_FALSE(asked(kMethodPrompt));
    EXPECT_TRUE(driver().dialogsOpened().empty());
    EXPECT_EQ(stored("3DFACE").size(), 2u);

    driver().answerNextFile(std::nullopt);
    output_.clear();
    zaUTIN();
    EXPECT_FALSE(printed("Load triangles"));
}

TEST_F(Utin, WithDialogsOnlyTheImportDialogAsks) {
    zaSettings().saveJobUTIN = true;
    driver().onNextDialog([this](zplat::Dialog& d) {
        zplat::user::type(*d.itemAs<zplat::Edit>(ZPromptLUTDlg::kDirectoryId), dir_.substr(0, dir_.size() - 1));
        zplat::user::type(*d.itemAs<zplat::Edit>(ZPromptLUTDlg::kJobNameId), "square01");
        zplat::user::click(*d.item(ZPromptLUTDlg::kMeshId + 3));
        zplat::user::enter(d);
    });
    zaUTIN();
    EXPECT_FALSE(asked(kEdgePrompt));
    EXPECT_TRUE(driver().fileRequests().empty());
    EXPECT_TRUE(printed("\nFile name <" + square_ + ">\n"));
    EXPECT_TRUE(printed("Load triangles as a Catchment Strings \n"));
    EXPECT_EQ(zaSettings().utMethod, 3);
    std::string job;
    zaGetCurrentJob(job);
    EXPECT_EQ(job, dir_ + "square01.xx1");
}

TEST_F(Utin, ACancelledDialogStillKeepsItsChoicesAndAMissingFileEndsTheImport) {
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::click(*d.item(ZPromptLUTDlg::kMeshId + 1));
        zplat::user::cancel(d);
    });
    zaUTIN();
    EXPECT_TRUE(printed("\n*Zarvo Triangle File import Cancelled\n"));
    // Cancel leaves the dialog's values as they came in.
    EXPECT_EQ(zaSettings().utMethod, 0);

    output_.clear();
    driver().onNextDialog([](zplat::Dialog& d) { zplat::user::enter(d); });
    zaUTIN();
    EXPECT_TRUE(printed("\nZarvo Triangle File \"" + install_ + "unknownf.ut1\" does not exist, cancelling import\n"));
    EXPECT_EQ(storedTypes(), "");
}

TEST_F(Utin, WithoutAnyJobThereIsNothingToImport) {
    ::unsetenv("ZARV$PROG");
    zaUTIN();
    EXPECT_TRUE(printed("Current Zarvo job \"\" \nNo Zarvo files found good bye\n"));
    EXPECT_TRUE(driver().dialogsOpened().empty());
}

TEST_F(Utin, TheRateIsPrintedOnlyForMoreThanTenTrianglesOverASecond) {
    ticks = {0, 2000};
    importTriangles(options(ImportMethod::Faces), square_, scriptedClock);
    EXPECT_TRUE(printed("\nUTIN Completed in 2.00 seconds for 7 triangles and 4 points \n")) << output_;
    EXPECT_FALSE(printed("triangles per second"));
    EXPECT_TRUE(printed("\nEast          0.000          10.000\n\nNorth         0.000          10.000\n\n"));

    // Inactive records count as triangles.
    TriangleModelData hundred = square();
    while (hundred.records.size() < 100) hundred.records.push_back(garbage());
    ticks = {0, 2000};
    output_.clear();
    importTriangles(options(ImportMethod::Faces), writeModel("hundred1.ut1", hundred), scriptedClock);
    EXPECT_TRUE(printed("for 100 triangles and 4 points \nAt 50 triangles per second\n")) << output_;
}

}  // namespace

namespace {

TEST_F(Utin, AFileThatCannotBeReadIsNeitherCompletedNorTheCurrentJob) {
    zaSettings().useDialogs = false;
    zaSettings().saveJobUTIN = true;
    std::string before;
    zaGetCurrentJob(before);
    // A UT file cut part way, beside a whole UP file.
    writeModel("cutmodel.ut1", square());
    const std::string bytes = read(dir_ + "cutmodel.ut1");
    write("cutmodel.ut1", bytes.substr(0, bytes.size() - 3));
    for (const char* method : {"Mesh", "Solids", "Faces", "Catch"}) {
        SCOPED_TRACE(method);
        output_.clear();
        answer({"", method});
        driver().answerNextFile(dir_ + "cutmodel.ut1");
        zaUTIN();
        EXPECT_TRUE(printed("Bad size for UT file")) << output_;
        EXPECT_FALSE(printed("Completed"));
        std::string job;
        zaGetCurrentJob(job);
        EXPECT_EQ(job, before);
    }
}

}  // namespace
